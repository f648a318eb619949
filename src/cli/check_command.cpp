#include "cli/check_command.h"

#include <cmath>
#include <string>

#include "cli/exit_status.h"
#include "cli/output_target.h"
#include "platform/whole_file.h"
#include "text/decimal_text.h"
#include "text/message_text.h"

namespace plessard::cli {
namespace {

// The summary of an accepted macro file, one fact per line.
std::string summary_text(const macro::MacroCheck& check) {
    const macro::MacroRectangle& rectangle = check.rectangle;
    // Both edges are written with three decimals, so their difference has three as well; the
    // rounding only drops the binary noise of the subtraction (26.4 + 0.8 is 27.2, not
    // 27.199999999999996). From 1e15 on a double has no thousandths left to round, and scaling
    // by a thousand would only add noise of its own (1e20 + 1 shown as 99999999999999980000.0).
    const auto thousandths = [](double value) {
        return std::fabs(value) < 1e15 ? std::round(value * 1000.0) / 1000.0 : value;
    };
    const double width = thousandths(rectangle.upper_right.x - rectangle.lower_left.x);
    const double height = thousandths(rectangle.upper_right.y - rectangle.lower_left.y);
    const auto& texts = rectangle.texts;
    return check.file_name + ": accepted\n" +                                            //
           "  lines      " + std::to_string(check.lines) + "\n" +                        //
           "  parts      " + std::to_string(check.parts) + "\n" +                        //
           "  rectangle  (" + texts[0] + ", " + texts[1] + ") to (" + texts[2] + ", " +  //
           texts[3] + ")\n" +                                                            //
           "  width      " + text::decimal_text(width) + "\n" +                          //
           "  height     " + text::decimal_text(height) + "\n";
}

}  // namespace

void report_problems(const macro::MacroCheck& check, std::ostream& err) {
    for (const macro::MacroProblem& problem : check.problems) {
        err << macro::problem_text(check, problem) << '\n';
    }
    std::string hidden;
    if (check.more_errors > 0) {
        hidden = text::plural(check.more_errors, "more error", "more errors");
    }
    if (check.more_warnings > 0) {
        hidden += (hidden.empty() ? "" : " and ") +
                  text::plural(check.more_warnings, "more warning", "more warnings");
    }
    if (!hidden.empty()) {
        err << "... and " << hidden << '\n';
    }
}

int run_check(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    return failing_on_errors(err, [&] {
        auto source = platform::SystemFile::open(file, platform::FileAccess::read);
        // The summary goes to standard output, which must not add it to the file being checked.
        if (const auto refusal = OutputTarget("-").standard_output_over(file, source.identity())) {
            err << *refusal << '\n';
            return exit_usage;
        }
        const macro::MacroCheck check = macro::check_macro_text(
            platform::read_whole_file(source, macro::largest_macro_file), source.name());
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
    });
}

}  // namespace plessard::cli
