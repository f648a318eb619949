// The checker of macro files on arbitrary bytes: every byte sequence is accepted or rejected
// with problems, the problems point at lines that exist and read as plain text, and what is
// accepted has the outward form every macro file has.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_property.h"
#include "macro/contour_visitor.h"
#include "macro/macro_check.h"
#include "text/ascii.h"

namespace {

using plessard::fuzz::property_failed;
using plessard::fuzz::require;
using plessard::macro::MacroBounds;
using plessard::macro::MacroCheck;
using plessard::macro::MacroPoint;
using plessard::macro::MacroProblem;
using plessard::macro::MacroSegment;
using plessard::text::is_printable_ascii;

constexpr std::string_view file_name = "vb_output.txt";

// Lines as a text editor counts them: one per line feed, and one more for bytes after the last.
std::size_t line_count(std::string_view bytes) {
    const auto feeds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return feeds + (!bytes.empty() && !bytes.ends_with('\n') ? 1 : 0);
}

void check_problems(const MacroCheck& check) {
    const std::size_t last_line = std::max<std::size_t>(check.lines, 1);
    // Errors first, then warnings, each in line order; no warning in place of an error.
    const auto place = [](const MacroProblem& p) { return std::pair(p.is_warning(), p.line); };
    require(std::is_sorted(check.problems.begin(), check.problems.end(),
                           [&](const auto& a, const auto& b) { return place(a) < place(b); }) &&
                (check.more_errors == 0 || check.problems.empty() ||
                 !check.problems.back().is_warning()),
            "the problems are not errors, then warnings, each in line order");
    for (const MacroProblem& problem : check.problems) {
        require(problem.line >= 1 && problem.line <= last_line,
                "a problem points at a line the file does not have");
        require(!problem.message.empty(), "a problem has no message");
        require(is_printable_ascii(problem.message),
                "a problem message carries bytes that are not printable ASCII");
        require(problem.message.size() < 400, "a problem message grows with the input");
        const std::string text = plessard::macro::problem_text(check, problem);
        require(
            text.starts_with(std::string(file_name) + ":" + std::to_string(problem.line) + ": "),
            "a problem is not given as FILE:LINE: message");
    }
    // A line earns a bounded number of problems, and only so many are kept with their texts.
    require(check.problems.size() <= plessard::macro::shown_problems,
            "more problems kept than are shown");
    const std::size_t found = check.syntax_problems + check.geometry_problems + check.warnings;
    const std::size_t hidden = check.more_errors + check.more_warnings;
    require(check.problems.size() + hidden == found,
            "the problems kept and counted do not add up to those found");
    require(found <= 4 * check.lines + 4, "more problems than the lines explain");
    require(hidden == 0 || check.problems.size() == plessard::macro::shown_problems,
            "problems were dropped while there was room for them");
}

// The records of every contour, as a drawing is given them.
class RecordCount final : public plessard::macro::ContourVisitor {
  public:
    explicit RecordCount(std::size_t lines) : lines_(lines) {}

    void start(std::size_t part, std::size_t line, const MacroPoint& /*point*/) override {
        require(part == ++parts, "the parts are not numbered in the order written");
        require(line > 7 && line < lines_, "a contour of an accepted file starts outside its body");
        records += 2;  // its record 0 and its record 99
        open = true;
    }
    void segment(const MacroSegment& /*segment*/) override {
        require(open, "a segment is handed over outside a contour");
        ++records;
    }
    void end(const MacroBounds& /*bounds*/) override {
        require(open, "a contour is ended twice");
        open = false;
    }

    std::size_t parts = 0;
    std::size_t records = 7 + 1;  // the header and the end mark
    bool open = false;

  private:
    std::size_t lines_;
};

// What every accepted file looks like from outside, whatever its numbers.
void check_accepted(std::string_view bytes, const MacroCheck& check) {
    require(check.well_formed(), "an accepted file is not well formed");
    require(check.has_rectangle, "an accepted file has no enclosing rectangle");
    require(bytes.ends_with("-1\r\n"), "an accepted file does not end with the end mark");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte == '\r') {
            require(i + 1 < bytes.size() && bytes[i + 1] == '\n',
                    "an accepted file holds a carriage return without a line feed");
        } else if (byte == '\n') {
            require(i > 0 && bytes[i - 1] == '\r', "an accepted file holds a bare line feed");
        } else {
            require(is_printable_ascii(byte), "an accepted file holds a control byte");
        }
    }
    RecordCount count(check.lines);
    plessard::macro::visit_contours(bytes, count);
    require(!count.open, "a contour of an accepted file is not ended");
    require(count.parts == check.parts, "the contours handed over are not the parts counted");
    require(count.records == check.lines, "an accepted file holds lines that are no record");
}

// An accepted file cut short is never accepted: without its end mark it is incomplete, and
// without the line end of its end mark it is damaged.
void check_cut_short(std::string_view bytes) {
    const std::string_view without_end_mark = bytes.substr(0, bytes.size() - 4);
    const MacroCheck cut = plessard::macro::check_macro_text(without_end_mark, file_name);
    require(!cut.accepted(), "an accepted file without its end mark is accepted as well");
    require(std::any_of(cut.problems.begin(), cut.problems.end(),
                        [](const MacroProblem& problem) {
                            return problem.message.starts_with("incomplete file");
                        }),
            "an accepted file without its end mark is not reported as incomplete");
    const MacroCheck no_line_end =
        plessard::macro::check_macro_text(bytes.substr(0, bytes.size() - 1), file_name);
    require(!no_line_end.accepted(), "an accepted file without its last line feed is accepted");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const MacroCheck check = plessard::macro::check_macro_text(bytes, file_name);
        require(check.file_name == file_name, "the check lost the file name");
        require(check.lines == line_count(bytes), "the check miscounted the lines");
        require(!check.accepted() || check.well_formed(), "accepted but not well formed");
        check_problems(check);
        if (check.accepted()) {
            check_accepted(bytes, check);
            check_cut_short(bytes);
        }
    } catch (...) {
        property_failed("checking bytes in memory raised");
    }
    return 0;
}
