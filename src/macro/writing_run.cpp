#include "macro/writing_run.h"

#include <string>

#include "input/input_file.h"
#include "macro/part_array.h"
#include "macro/record_line.h"
#include "platform/error.h"
#include "platform/file_failure.h"
#include "platform/output_file.h"
#include "platform/same_file.h"
#include "platform/system_text.h"

namespace plessard::macro {

std::filesystem::path output_file_path(const std::filesystem::path& folder) {
    return folder / output_file_name;
}

void write_macro(platform::LineSink& out, const input::PartDimensions& part,
                 const params::ArrayParameters& array) {
    write_part_array(out, part, array);
    out.print_line(RecordLine(Record::end_mark).view());
}

void write_output_file(const std::filesystem::path& folder, const input::PartDimensions& part,
                       const params::ArrayParameters& array) {
    const auto path = output_file_path(folder);
    // Emptying the output would empty the input with it, and the next read would take record
    // numbers for dimensions. The output is compared once open, so that no link put in place
    // of it meanwhile escapes.
    const auto input = input::input_file_path(folder);
    auto file = platform::OutputFile::create_unless(path, platform::identity_of(input));
    if (!file) {
        throw platform::Error(
            platform::ErrorNumber::open_failed,
            platform::failure_text(
                platform::cannot_open(platform::path_text(path), platform::FileAccess::write),
                "it is " + platform::path_text(input) +
                    " itself (a link to the same file), which holds the part dimensions and "
                    "would be lost"));
    }
    write_macro(*file, part, array);
    file->close();
}

}  // namespace plessard::macro
