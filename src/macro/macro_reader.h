#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "macro/macro_geometry.h"

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

struct MacroCheck {
    std::string file_name;
    std::size_t lines = 0;
    bool has_rectangle = false;  // all four rectangle records were read
    MacroRectangle rectangle;
    std::vector<MacroContour> contours;  // in the order written: part 1 first
    std::vector<MacroProblem> problems;  // by line

    // No problem but warnings.
    [[nodiscard]] bool accepted() const noexcept;
    // No syntax problem: the geometry can be drawn, even if it does not close.
    [[nodiscard]] bool well_formed() const noexcept;
};

// Checks the bytes of a macro file against the record format and the geometry every writer
// of such files keeps to. Any byte sequence gives a result: the bytes are either accepted or
// rejected with problems; memory stays in proportion to the input.
[[nodiscard]] MacroCheck check_macro_text(std::string_view bytes, std::string_view file_name);

// The same for a file on disk. Raises open_failed or read_failed when it cannot be read.
[[nodiscard]] MacroCheck check_macro_file(const std::filesystem::path& path);

// "FILE:LINE: message", or "FILE:LINE: warning: message".
[[nodiscard]] std::string problem_text(const MacroCheck& check, const MacroProblem& problem);

}  // namespace plessard::macro
