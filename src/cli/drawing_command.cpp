#include "cli/drawing_command.h"

#include "cli/check_command.h"
#include "cli/dxf_drawing.h"
#include "cli/exit_status.h"
#include "cli/svg_drawing.h"
#include "macro/macro_reader.h"
#include "platform/command_line.h"
#include "platform/error.h"
#include "platform/text_file.h"

namespace plessard::cli {

int run_drawing(DrawingFormat format, const std::filesystem::path& file, const std::string& output,
                std::ostream& err) {
    try {
        const macro::MacroCheck check = macro::check_macro_file(file);
        report_problems(check, err);
        if (!check.well_formed()) {
            return exit_failure;
        }
        auto out = output.empty() || output == "-"
                       ? platform::OutputFile::standard_output()
                       : platform::OutputFile::create(platform::path_from_utf8(output));
        if (format == DrawingFormat::svg) {
            write_svg(out, check);
        } else {
            write_dxf(out, check);
        }
        out.close();
        return exit_success;
    } catch (const platform::Error& error) {
        err << platform::error_description(error) << '\n';
        return exit_failure;
    }
}

}  // namespace plessard::cli
