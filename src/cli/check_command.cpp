#include "cli/check_command.h"

#include "cli/exit_status.h"
#include "macro/macro_number.h"
#include "platform/error.h"

namespace plessard::cli {

std::string summary_text(const macro::MacroCheck& check) {
    const macro::MacroSummary summary = check.summary();
    const auto& texts = summary.rectangle.texts;
    return check.file_name + ": accepted\n" +  //
           "  lines      " + std::to_string(summary.lines) + "\n" + "  parts      " +
           std::to_string(summary.parts) + "\n" + "  rectangle  (" + texts[0] + ", " + texts[1] +
           ") to (" + texts[2] + ", " + texts[3] + ")\n" +  //
           "  width      " + macro::decimal_text(summary.width) + "\n" + "  height     " +
           macro::decimal_text(summary.height) + "\n";
}

void report_problems(const macro::MacroCheck& check, std::ostream& err) {
    for (const macro::MacroProblem& problem : check.problems) {
        err << macro::problem_text(check, problem) << '\n';
    }
}

int run_check(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    try {
        const macro::MacroCheck check = macro::check_macro_file(file);
        report_problems(check, err);
        if (!check.accepted()) {
            return exit_failure;
        }
        out << summary_text(check);
        // A summary that never arrived must not read as a file that passed.
        if (!out.flush()) {
            err << "Cannot write the summary of " << check.file_name << '\n';
            return exit_failure;
        }
        return exit_success;
    } catch (const platform::Error& error) {
        err << platform::error_description(error) << '\n';
        return exit_failure;
    }
}

}  // namespace plessard::cli
