#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "macro/macro_geometry.h"
#include "platform/whole_file.h"

namespace plessard::macro {

enum class ProblemKind {
    syntax,    // the file is not a macro file as written: nothing can be drawn from it
    geometry,  // well formed, but a contour does not close or an arc changes its radius
    warning,   // well formed and sound, yet worth a look: a part outside the rectangle
};

struct MacroProblem {
    std::size_t line = 0;  // counted from 1
    std::string message;
    ProblemKind kind = ProblemKind::syntax;

    [[nodiscard]] bool is_warning() const noexcept { return kind == ProblemKind::warning; }
    friend bool operator==(const MacroProblem&, const MacroProblem&) = default;
};

// The enclosing rectangle of records 101, 102, 104 and 105, with the texts as written.
struct MacroRectangle {
    MacroPoint lower_left;
    MacroPoint upper_right;
    std::array<std::string, 4> texts;  // 101, 102, 104, 105
};

// How many problems a check keeps with their messages; the rest are counted. A damaged file
// can have a problem on every one of millions of lines, and nobody reads past the first few.
inline constexpr std::size_t shown_problems = 100;

// The largest file read: far beyond the largest macro file the writer makes (ten by ten parts
// of numbers of 39 digits stay below half a megabyte).
inline constexpr std::size_t largest_macro_file = platform::read_limit;

struct MacroCheck {
    std::string file_name;
    std::size_t lines = 0;
    std::size_t parts = 0;       // contours opened by a record 0
    bool has_rectangle = false;  // all four rectangle records were read
    MacroRectangle rectangle;
    // The rectangle and every part, arcs with their bulges: what a drawing has to show.
    MacroBounds extent;
    // At most shown_problems of them: the first errors (syntax and geometry) in line order,
    // then the first warnings in line order in the room left, so that warnings never hide why
    // a file is rejected.
    std::vector<MacroProblem> problems;
    std::size_t more_errors = 0;      // found beyond those shown
    std::size_t more_warnings = 0;    // found beyond those shown
    std::size_t syntax_problems = 0;  // of every kind, shown or not
    std::size_t geometry_problems = 0;
    std::size_t warnings = 0;

    // No problem but warnings.
    [[nodiscard]] bool accepted() const noexcept {
        return syntax_problems == 0 && geometry_problems == 0;
    }
    // No syntax problem: the geometry can be drawn, even if it does not close.
    [[nodiscard]] bool well_formed() const noexcept { return syntax_problems == 0; }
};

// Checks the bytes of a macro file against the record format and the geometry every writer
// of such files keeps to. Any byte sequence gives a result: the bytes are either accepted or
// rejected with problems. Nothing grows with the file but the time: no contour is kept, and
// problems beyond shown_problems only add to a count. (A drawing reads the contours alone:
// visit_contours.)
[[nodiscard]] MacroCheck check_macro_text(std::string_view bytes, std::string_view file_name);

// check_macro_text on the bytes of a file, the path as messages name it. A file larger than
// largest_macro_file is refused with read_failed; opening and reading raise as any file does.
[[nodiscard]] MacroCheck check_macro_file(const std::filesystem::path& path);

// "FILE:LINE: message", or "FILE:LINE: warning: message".
[[nodiscard]] std::string problem_text(const MacroCheck& check, const MacroProblem& problem);

}  // namespace plessard::macro
