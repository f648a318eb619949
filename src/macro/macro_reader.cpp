#include "macro/macro_reader.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "macro/geometry_messages.h"
#include "macro/record_grammar.h"
#include "macro/record_table.h"
#include "platform/message_text.h"
#include "platform/whole_file.h"

namespace plessard::macro {
namespace {

using detail::ParsedLine;
using detail::record_name;
using platform::plural;

// The whole check, line by line: the record format first, then the order of the records, then
// the geometry of each contour as it closes.
class Checker {
  public:
    explicit Checker(MacroCheck& result) : result_(result) {}

    void check(std::string_view bytes) {
        std::size_t position = 0;
        while (position < bytes.size()) {
            const std::size_t line_feed = bytes.find('\n', position);
            const bool has_line_feed = line_feed != std::string_view::npos;
            std::string_view content =
                bytes.substr(position, has_line_feed ? line_feed - position : bytes.size());
            position = has_line_feed ? line_feed + 1 : bytes.size();
            ++line_;
            if (stage_ == Stage::ended) {
                // Only the first line after the end mark is reported: the rest is not read.
                add(ProblemKind::syntax, "nothing may follow the end mark \"-1\"");
                stage_ = Stage::trailing;
            }
            if (stage_ == Stage::trailing) {
                continue;
            }
            const bool has_carriage_return = has_line_feed && content.ends_with('\r');
            if (has_carriage_return) {
                content.remove_suffix(1);
            } else if (has_line_feed) {
                if (bare_line_feeds_++ == 0) {
                    first_bare_line_feed_ = line_;
                }
            } else {
                add(ProblemKind::syntax, "the last line has no line end (CR LF)");
            }
            take(detail::parse_line(content));
        }
        result_.lines = line_;
        finish();
    }

  private:
    enum class Stage {
        header,
        contours,  // between contours
        contour,
        orphan,  // lines and arcs that no record 0 opened, up to their record 99
        ended,
        trailing,
    };

    void add(ProblemKind kind, std::string message) { add_at(line_, kind, std::move(message)); }

    void add_at(std::size_t line, ProblemKind kind, std::string message) {
        result_.problems.push_back(MacroProblem{line, std::move(message), kind});
    }

    std::string part_name() const {
        return "part " + std::to_string(result_.contours.size()) + " (line " +
               std::to_string(result_.contours.back().first_line) + ")";
    }

    void take(const ParsedLine& parsed) {
        usable_ = !parsed.fault;
        if (parsed.fault) {
            add(ProblemKind::syntax, *parsed.fault);
        }
        if (!parsed.record) {
            // A line that names no record. In the header it most likely stands where the
            // record expected there was (a blank line is rather one too many); in a contour
            // the current point is lost, so the contour is not measured.
            if (stage_ == Stage::header && !parsed.blank) {
                advance_header(next_header_);
            }
            contour_damaged_ = true;
            return;
        }
        const Record record = *parsed.record;
        switch (stage_) {
            case Stage::header:
                take_header(record, parsed);
                break;
            case Stage::contours:
                take_between_contours(record, parsed);
                break;
            case Stage::contour:
                take_in_contour(record, parsed);
                break;
            case Stage::orphan:
                take_orphan(record, parsed);
                break;
            case Stage::ended:
            case Stage::trailing:
                break;
        }
    }

    void advance_header(std::size_t taken) {
        next_header_ = taken + 1;
        if (next_header_ == header_records) {
            stage_ = Stage::contours;
            result_.has_rectangle = rectangle_records_ == 4;
        }
    }

    void take_header(Record record, const ParsedLine& parsed) {
        const auto expected = static_cast<Record>(next_header_);
        if (record != expected) {
            add(ProblemKind::syntax,
                "expected " + record_name(expected) + ", found " + record_name(record));
            if (!is_header(record)) {
                // The header ended early; read on as though it were complete.
                stage_ = Stage::contours;
                take_between_contours(record, parsed);
                return;
            }
            if (static_cast<std::size_t>(record) < next_header_) {
                return;
            }
        }
        if (usable_) {
            store_rectangle(record, parsed);
        }
        advance_header(static_cast<std::size_t>(record));
    }

    void store_rectangle(Record record, const ParsedLine& parsed) {
        MacroRectangle& rectangle = result_.rectangle;
        std::size_t index = 0;
        switch (record) {
            case Record::rectangle_left:
                rectangle.lower_left.x = parsed.values[0];
                index = 0;
                break;
            case Record::rectangle_bottom:
                rectangle.lower_left.y = parsed.values[0];
                index = 1;
                break;
            case Record::rectangle_right:
                rectangle.upper_right.x = parsed.values[0];
                index = 2;
                break;
            case Record::rectangle_top:
                rectangle.upper_right.y = parsed.values[0];
                index = 3;
                break;
            default:
                return;
        }
        rectangle.texts[index] = std::string(parsed.texts[0]);
        ++rectangle_records_;
    }

    void take_between_contours(Record record, const ParsedLine& parsed) {
        switch (record) {
            case Record::start_point:
                open_contour(parsed);
                break;
            case Record::end_mark:
                stage_ = Stage::ended;
                break;
            case Record::line_to:
            case Record::arc_ccw:
            case Record::arc_cw:
                add(ProblemKind::syntax,
                    record_name(record) + " outside a contour (no record 0 opens one)");
                stage_ = Stage::orphan;
                break;
            case Record::contour_end:
                add(ProblemKind::syntax, "record 99 outside a contour (no record 0 opens one)");
                break;
            default:
                add(ProblemKind::syntax, "header " + record_name(record) + " after the header");
                break;
        }
    }

    // The rest of a contour whose record 0 is missing has been reported with its first line.
    void take_orphan(Record record, const ParsedLine& parsed) {
        switch (record) {
            case Record::line_to:
            case Record::arc_ccw:
            case Record::arc_cw:
                break;
            case Record::contour_end:
                stage_ = Stage::contours;
                break;
            default:
                stage_ = Stage::contours;
                take_between_contours(record, parsed);
                break;
        }
    }

    void take_in_contour(Record record, const ParsedLine& parsed) {
        switch (record) {
            case Record::line_to:
            case Record::arc_ccw:
            case Record::arc_cw:
                add_segment(record, parsed);
                break;
            case Record::contour_end:
                close_contour();
                stage_ = Stage::contours;
                break;
            case Record::start_point:
                add(ProblemKind::syntax, "record 0 opens a new contour, but " + part_name() +
                                             " has not ended with record 99");
                open_contour(parsed);
                break;
            case Record::end_mark:
                add(ProblemKind::syntax, "the contour of " + part_name() +
                                             " has not ended with record 99 before the end mark");
                stage_ = Stage::ended;
                break;
            default:
                add(ProblemKind::syntax, "header " + record_name(record) + " inside a contour");
                break;
        }
    }

    void open_contour(const ParsedLine& parsed) {
        MacroContour contour;
        contour.first_line = line_;
        contour.start = current_ = {parsed.values[0], parsed.values[1]};
        result_.contours.push_back(std::move(contour));
        contour_damaged_ = !usable_;
        stage_ = Stage::contour;
    }

    void add_segment(Record record, const ParsedLine& parsed) {
        if (!usable_) {
            contour_damaged_ = true;
            return;
        }
        MacroSegment segment;
        segment.line = line_;
        segment.start = current_;
        if (record == Record::line_to) {
            segment.kind = SegmentKind::line;
            segment.end = {parsed.values[0], parsed.values[1]};
        } else {
            segment.kind = record == Record::arc_ccw ? SegmentKind::arc_ccw : SegmentKind::arc_cw;
            segment.centre = {parsed.values[0], parsed.values[1]};
            segment.end = {parsed.values[2], parsed.values[3]};
        }
        current_ = segment.end;
        if (segment.kind != SegmentKind::line && !contour_damaged_) {
            check_arc(segment);
        }
        result_.contours.back().segments.push_back(segment);
    }

    void check_arc(const MacroSegment& arc) {
        if (auto problem = detail::arc_radius_problem(arc)) {
            add(ProblemKind::geometry, *std::move(problem));
        }
    }

    void close_contour() {
        if (contour_damaged_) {
            return;
        }
        const MacroContour& contour = result_.contours.back();
        if (auto problem = detail::closing_problem(contour, part_name())) {
            add_at(contour.segments.back().line, ProblemKind::geometry, *std::move(problem));
        }
    }

    void finish() {
        if (bare_line_feeds_ > 0) {
            std::string message = "the line ends in LF alone; macro lines end in CR LF";
            if (bare_line_feeds_ > 1) {
                message += " (" + plural(bare_line_feeds_ - 1, "more line ends", "more lines end") +
                           " the same way)";
            }
            add_at(first_bare_line_feed_, ProblemKind::syntax, std::move(message));
        }
        const std::size_t last_line = std::max<std::size_t>(line_, 1);
        switch (stage_) {
            case Stage::header:
                add_at(last_line, ProblemKind::syntax,
                       line_ == 0 ? "incomplete file: it is empty"
                                  : "incomplete file: it ends inside the header, without the "
                                    "end mark \"-1\"");
                break;
            case Stage::contour:
                add_at(last_line, ProblemKind::syntax,
                       "incomplete file: it ends inside the contour of " + part_name() +
                           ", without record 99 and the end mark \"-1\"");
                break;
            case Stage::contours:
                add_at(last_line, ProblemKind::syntax,
                       "incomplete file: it ends without the end mark \"-1\"");
                break;
            case Stage::orphan:
                add_at(last_line, ProblemKind::syntax,
                       "incomplete file: it ends inside a contour, without record 99 and the end "
                       "mark \"-1\"");
                break;
            case Stage::ended:
            case Stage::trailing:
                break;
        }
        if (stage_ == Stage::ended && result_.contours.empty()) {
            add_at(last_line, ProblemKind::warning, "the file holds no part");
        }
        check_rectangle();
        std::stable_sort(
            result_.problems.begin(), result_.problems.end(),
            [](const MacroProblem& a, const MacroProblem& b) { return a.line < b.line; });
    }

    void check_rectangle() {
        if (!result_.has_rectangle || !result_.well_formed()) {
            return;
        }
        if (auto problem = detail::inside_out_problem(result_.rectangle)) {
            add_at(1, ProblemKind::warning, *std::move(problem));
        }
        for (std::size_t i = 0; i < result_.contours.size(); ++i) {
            const MacroContour& contour = result_.contours[i];
            if (auto problem = detail::outside_problem(result_.rectangle, contour, i + 1)) {
                add_at(contour.first_line, ProblemKind::warning, *std::move(problem));
            }
        }
    }

    MacroCheck& result_;
    Stage stage_ = Stage::header;
    std::size_t line_ = 0;
    std::size_t next_header_ = 0;
    std::size_t rectangle_records_ = 0;
    std::size_t bare_line_feeds_ = 0;
    std::size_t first_bare_line_feed_ = 0;
    MacroPoint current_;
    bool contour_damaged_ = false;
    bool usable_ = true;  // the numbers of the line in hand were read
};

// Far beyond the largest macro file the writer makes (ten by ten parts of numbers of 39
// digits stay below half a megabyte); a larger file is refused rather than read into memory.
constexpr std::size_t largest_macro_file = 16U * 1024U * 1024U;

}  // namespace

bool MacroCheck::accepted() const noexcept {
    return std::all_of(problems.begin(), problems.end(),
                       [](const MacroProblem& problem) { return problem.is_warning(); });
}

bool MacroCheck::well_formed() const noexcept {
    return std::none_of(problems.begin(), problems.end(), [](const MacroProblem& problem) {
        return problem.kind == ProblemKind::syntax;
    });
}

MacroCheck check_macro_text(std::string_view bytes, std::string_view file_name) {
    MacroCheck result;
    result.file_name = std::string(file_name);
    Checker(result).check(bytes);
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
