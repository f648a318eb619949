#include "cli/drawing_command.h"

#include "cli/check_command.h"
#include "cli/dxf_drawing.h"
#include "cli/exit_status.h"
#include "cli/output_target.h"
#include "cli/svg_drawing.h"
#include "macro/macro_check.h"
#include "platform/whole_file.h"

namespace plessard::cli {

int run_drawing(DrawingFormat format, const std::filesystem::path& file, const std::string& output,
                std::ostream& err) {
    const OutputTarget target(output);
    return failing_on_errors(err, [&] {
        auto source = platform::SystemFile::open(file, platform::FileAccess::read);
        const auto read = source.identity();
        if (const auto refusal = target.standard_output_over(file, read)) {
            err << *refusal << '\n';
            return exit_usage;
        }
        const std::string bytes = platform::read_whole_file(source, macro::largest_macro_file);
        const macro::MacroCheck check = macro::check_macro_text(bytes, source.name());
        report_problems(check, err);
        if (!check.well_formed()) {
            return exit_failure;
        }
        auto opened = target.open(file, read);
        if (const auto* refusal = std::get_if<std::string>(&opened)) {
            err << *refusal << '\n';
            return exit_usage;
        }
        auto& out = std::get<platform::OutputFile>(opened);
        if (format == DrawingFormat::svg) {
            write_svg(out, check, bytes);
        } else {
            write_dxf(out, check, bytes);
        }
        out.close();
        return exit_success;
    });
}

}  // namespace plessard::cli
