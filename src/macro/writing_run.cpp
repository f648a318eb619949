#include "macro/writing_run.h"

#include "macro/part_array.h"
#include "macro/record_line.h"
#include "platform/output_file.h"

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
    auto file = platform::OutputFile::create(output_file_path(folder));
    write_macro(file, part, array);
    file.close();
}

}  // namespace plessard::macro
