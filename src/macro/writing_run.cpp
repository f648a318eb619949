#include "macro/writing_run.h"

#include "macro/part_array.h"
#include "macro/record_line.h"

namespace plessard::macro {

std::filesystem::path output_file_path(const std::filesystem::path& folder) {
    return folder / output_file_name;
}

void write_macro(platform::LineSink& out, const input::PartDimensions& part,
                 const params::ArrayParameters& array) {
    write_part_array(out, part, array);
    out.print_line(RecordLine(Record::end_mark).view());
}

void write_macro_file(const std::filesystem::path& path, const input::PartDimensions& part,
                      const params::ArrayParameters& array) {
    auto file = platform::OutputFile::create(path);
    write_macro(file, part, array);
    file.close();
}

void write_output_file(const std::filesystem::path& folder, const input::PartDimensions& part,
                       const params::ArrayParameters& array) {
    write_macro_file(output_file_path(folder), part, array);
}

}  // namespace plessard::macro
