#include "macro/macro_check.h"

#include <string>
#include <utility>

#include "macro/detail/drawing_extent.h"
#include "macro/detail/geometry_rule.h"
#include "macro/detail/precision_rule.h"
#include "macro/detail/problem_list.h"
#include "macro/detail/record_order.h"
#include "macro/detail/record_reader.h"
#include "macro/detail/rectangle_rule.h"
#include "platform/system_text.h"
#include "platform/whole_file.h"

namespace plessard::macro {
namespace {

// The counts of the problems and those shown, into the result.
void tally(detail::ProblemList&& problems, MacroCheck& result) {
    result.syntax_problems = problems.count(ProblemKind::syntax);
    result.geometry_problems = problems.count(ProblemKind::geometry);
    result.warnings = problems.count(ProblemKind::warning);
    result.more_errors = problems.hidden_errors();
    result.more_warnings = problems.hidden_warnings();
    result.problems = std::move(problems).take();
}

}  // namespace

// One reading of the bytes, line by line: the reader takes each line apart, the precision rule
// hears its numbers and the record order its place, and the order hands the header and each
// contour to the rules of the rectangle and the geometry and to the drawing's extent. What
// only the whole file tells waits for the end.
MacroCheck check_macro_text(std::string_view bytes, std::string_view file_name) {
    MacroCheck result;
    result.file_name = std::string(file_name);
    detail::ProblemList problems(shown_problems);
    detail::GeometryRule geometry(problems);
    detail::RectangleRule rectangle;
    detail::DrawingExtent extent;
    detail::RecordOrder order(problems, {&geometry, &rectangle, &extent});
    detail::PrecisionRule precision(problems);
    result.lines = detail::RecordReader(problems, {&precision, &order}).read(bytes);
    rectangle.finish(problems);

    result.parts = order.parts();
    result.has_rectangle = rectangle.complete();
    result.rectangle = rectangle.rectangle();
    result.extent = extent.with(result.rectangle, result.has_rectangle);
    tally(std::move(problems), result);
    return result;
}

MacroCheck check_macro_file(const std::filesystem::path& path) {
    return check_macro_text(platform::read_whole_file(path, largest_macro_file),
                            platform::path_text(path));
}

std::string problem_text(const MacroCheck& check, const MacroProblem& problem) {
    return check.file_name + ":" + std::to_string(problem.line) +
           (problem.is_warning() ? ": warning: " : ": ") + problem.message;
}

}  // namespace plessard::macro
