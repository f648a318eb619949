#include "cli/drawing_command.h"

#include "cli/check_command.h"
#include "cli/dxf_drawing.h"
#include "cli/exit_status.h"
#include "cli/output_target.h"
#include "cli/svg_drawing.h"
#include "macro/macro_check.h"
#include "platform/system_text.h"
#include "platform/whole_file.h"

namespace plessard::cli {

int run_drawing(DrawingFormat format, const std::filesystem::path& file, const std::string& output,
                std::ostream& err) {
    const OutputTarget target(output);
    if (const auto refusal = target.over_input(file)) {
        err << *refusal << '\n';
        return exit_usage;
    }
    return failing_on_errors(err, [&] {
        const std::string bytes = platform::read_whole_file(file, macro::largest_macro_file);
        const macro::MacroCheck check = macro::check_macro_text(bytes, platform::path_text(file));
        report_problems(check, err);
        if (!check.well_formed()) {
            return exit_failure;
        }
        auto out = target.open();
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
