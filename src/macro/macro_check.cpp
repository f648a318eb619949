#include "macro/macro_check.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "macro/detail/contour_measure.h"
#include "macro/detail/geometry_messages.h"
#include "macro/detail/problem_list.h"
#include "macro/detail/record_grammar.h"
#include "macro/macro_number.h"
#include "macro/record_table.h"
#include "platform/system_text.h"
#include "platform/whole_file.h"
#include "text/message_text.h"

namespace plessard::macro {
namespace {

using detail::ContourMeasure;
using detail::ParsedLine;
using text::plural;

// One walk through the records of a file, line by line: the record format first, then the
// order of the records, then the geometry of each contour as it closes, and at the end what
// only the whole file tells. A visitor, when there is one, is handed every contour on the way.
class RecordWalk {
  public:
    RecordWalk(MacroCheck& result, ContourVisitor* visitor) : result_(result), visitor_(visitor) {}

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

    // A message is a text, or a function that makes it: made only when the problem is kept.
    template <typename Message>
    static auto describer(Message&& message) {
        if constexpr (std::is_invocable_v<Message>) {
            return std::forward<Message>(message);
        } else {
            return [&message] { return std::string(message); };
        }
    }

    template <typename Message>
    void add(ProblemKind kind, Message&& message) {
        add_at(line_, kind, std::forward<Message>(message));
    }

    template <typename Message>
    void add_at(std::size_t line, ProblemKind kind, Message&& message) {
        problems_.add(line, kind, describer(std::forward<Message>(message)));
    }

    std::string part_name() const {
        return "part " + std::to_string(result_.parts) + " (line " +
               std::to_string(contour_first_line_) + ")";
    }

    void take(const ParsedLine& parsed) {
        if (parsed.fault) {
            add(ProblemKind::syntax, [&parsed] { return *parsed.fault; });
        } else {
            warn_of_changed_numbers(parsed);
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

    // Each number the writer would have written otherwise, as a warning of its own.
    void warn_of_changed_numbers(const ParsedLine& parsed) {
        for (const std::string_view text : parsed.texts) {
            if (!text.empty() && !writer_keeps(text)) {
                add(ProblemKind::warning, [text] { return writer_change_message(text); });
            }
        }
    }

    void advance_header(std::size_t taken) {
        next_header_ = taken + 1;
        if (next_header_ == header_records) {
            stage_ = Stage::contours;
            result_.has_rectangle = rectangle_records_ == 4;
            if (result_.has_rectangle) {
                include_rectangle_in_extent();
            }
        }
    }

    // An inside-out rectangle still spans the same area.
    void include_rectangle_in_extent() {
        include_in_extent(MacroBounds::around(result_.rectangle.lower_left));
        result_.extent.include(result_.rectangle.upper_right);
    }

    void include_in_extent(const MacroBounds& bounds) {
        if (extent_set_) {
            result_.extent.include(bounds);
        } else {
            result_.extent = bounds;
            extent_set_ = true;
        }
    }

    void take_header(Record record, const ParsedLine& parsed) {
        const auto expected = static_cast<Record>(next_header_);
        if (record != expected) {
            add(ProblemKind::syntax, [expected, record] {
                return "expected " + record_name(expected) + ", found " + record_name(record);
            });
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
        if (!parsed.fault) {
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
                add(ProblemKind::syntax, [record] {
                    return record_name(record) + " outside a contour (no record 0 opens one)";
                });
                stage_ = Stage::orphan;
                break;
            case Record::contour_end:
                add(ProblemKind::syntax, "record 99 outside a contour (no record 0 opens one)");
                break;
            default:
                add(ProblemKind::syntax,
                    [record] { return "header " + record_name(record) + " after the header"; });
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
                add(ProblemKind::syntax, [this] {
                    return "record 0 opens a new contour, but " + part_name() +
                           " has not ended with record 99";
                });
                end_contour();
                open_contour(parsed);
                break;
            case Record::end_mark:
                add(ProblemKind::syntax, [this] {
                    return "the contour of " + part_name() +
                           " has not ended with record 99 before the end mark";
                });
                end_contour();
                stage_ = Stage::ended;
                break;
            default:
                add(ProblemKind::syntax,
                    [record] { return "header " + record_name(record) + " inside a contour"; });
                break;
        }
    }

    void open_contour(const ParsedLine& parsed) {
        ++result_.parts;
        contour_first_line_ = line_;
        const MacroPoint start{parsed.values[0], parsed.values[1]};
        contour_.emplace(start);
        contour_damaged_ = parsed.fault.has_value();
        stage_ = Stage::contour;
        if (visitor_ != nullptr) {
            visitor_->start(result_.parts, line_, start);
        }
    }

    void add_segment(Record record, const ParsedLine& parsed) {
        if (parsed.fault) {
            contour_damaged_ = true;
            return;
        }
        MacroSegment segment;
        segment.line = line_;
        segment.start = contour_->end();
        if (record == Record::line_to) {
            segment.kind = SegmentKind::line;
            segment.end = {parsed.values[0], parsed.values[1]};
        } else {
            segment.kind = record == Record::arc_ccw ? SegmentKind::arc_ccw : SegmentKind::arc_cw;
            segment.centre = {parsed.values[0], parsed.values[1]};
            segment.end = {parsed.values[2], parsed.values[3]};
        }
        if (segment.kind != SegmentKind::line && !contour_damaged_) {
            check_arc(segment);
        }
        contour_->add(segment);
        last_segment_line_ = line_;
        if (visitor_ != nullptr) {
            visitor_->segment(segment);
        }
    }

    void check_arc(const MacroSegment& arc) {
        if (detail::changes_radius(arc)) {
            add(ProblemKind::geometry, [&arc] { return detail::radius_message(arc); });
        }
        if (is_full_circle(arc)) {
            add(ProblemKind::warning, [&arc] { return detail::full_circle_message(arc); });
        }
    }

    // At its record 99: the contour's own geometry, then its place in the rectangle, which is
    // reported only for a well-formed file and so waits for the end.
    void close_contour() {
        const ContourMeasure& contour = *contour_;
        if (!contour_damaged_) {
            if (detail::fails_to_close(contour)) {
                add_at(last_segment_line_, ProblemKind::geometry,
                       [&] { return detail::closing_message(contour, part_name()); });
            } else if (const auto shape = detail::contour_shape(contour);
                       shape != detail::Shape::part) {
                add_at(contour_first_line_, ProblemKind::warning,
                       [&] { return detail::shape_message(shape, contour, part_name()); });
            }
        }
        if (result_.has_rectangle &&
            detail::leaves_rectangle(result_.rectangle, contour.bounds())) {
            rectangle_warnings_.add(contour_first_line_, ProblemKind::warning, [&] {
                return detail::outside_message(contour.bounds(), result_.parts);
            });
        }
        end_contour();
    }

    // The end of a contour, at its record 99 or wherever it is cut off.
    void end_contour() {
        if (!contour_) {
            return;
        }
        include_in_extent(contour_->bounds());
        if (visitor_ != nullptr) {
            visitor_->end(contour_->bounds());
        }
        contour_.reset();
    }

    // At the end of the bytes: what only the whole file tells, then the counts.
    void finish() {
        end_contour();
        report_bare_line_feeds();
        report_unfinished();
        if (!extent_set_) {
            include_rectangle_in_extent();
        }
        report_rectangle();
        tally();
    }

    // Every line that ends in LF alone, told once at the first of them.
    void report_bare_line_feeds() {
        if (bare_line_feeds_ == 0) {
            return;
        }
        add_at(first_bare_line_feed_, ProblemKind::syntax, [this] {
            std::string message = "the line ends in LF alone; macro lines end in CR LF";
            if (bare_line_feeds_ > 1) {
                message += " (" + plural(bare_line_feeds_ - 1, "more line ends", "more lines end") +
                           " the same way)";
            }
            return message;
        });
    }

    // A file that stops before its end mark, told at its last line, and one that holds no part.
    void report_unfinished() {
        const std::size_t last_line = std::max<std::size_t>(line_, 1);
        switch (stage_) {
            case Stage::header:
                add_at(last_line, ProblemKind::syntax,
                       line_ == 0 ? "incomplete file: it is empty"
                                  : "incomplete file: it ends inside the header, without the "
                                    "end mark \"-1\"");
                break;
            case Stage::contour:
                add_at(last_line, ProblemKind::syntax, [this] {
                    return "incomplete file: it ends inside the contour of " + part_name() +
                           ", without record 99 and the end mark \"-1\"";
                });
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
        if (stage_ == Stage::ended && result_.parts == 0) {
            add_at(last_line, ProblemKind::warning, "the file holds no part");
        }
    }

    // The rectangle's own warning and the parts outside it, only for a file whose syntax is
    // sound: a malformed file is told its syntax alone.
    void report_rectangle() {
        if (!result_.has_rectangle || problems_.count(ProblemKind::syntax) != 0) {
            return;
        }
        if (detail::is_inside_out(result_.rectangle)) {
            rectangle_warnings_.add(1, ProblemKind::warning, [this] {
                return detail::inside_out_message(result_.rectangle);
            });
        }
        problems_.merge(std::move(rectangle_warnings_));
    }

    // The counts and the problems kept, into the result.
    void tally() {
        result_.syntax_problems = problems_.count(ProblemKind::syntax);
        result_.geometry_problems = problems_.count(ProblemKind::geometry);
        result_.warnings = problems_.count(ProblemKind::warning);
        result_.more_errors = problems_.hidden_errors();
        result_.more_warnings = problems_.hidden_warnings();
        result_.problems = std::move(problems_).take();
    }

    MacroCheck& result_;
    ContourVisitor* visitor_;
    detail::ProblemList problems_{shown_problems};
    // Parts outside the rectangle, told only once the file proves well formed.
    detail::ProblemList rectangle_warnings_{shown_problems};
    Stage stage_ = Stage::header;
    std::size_t line_ = 0;
    std::size_t next_header_ = 0;
    std::size_t rectangle_records_ = 0;
    std::size_t bare_line_feeds_ = 0;
    std::size_t first_bare_line_feed_ = 0;
    std::optional<ContourMeasure> contour_;  // the contour being read
    std::size_t contour_first_line_ = 0;
    std::size_t last_segment_line_ = 0;
    bool extent_set_ = false;
    bool contour_damaged_ = false;
};

}  // namespace

MacroCheck check_macro_text(std::string_view bytes, std::string_view file_name) {
    MacroCheck result;
    result.file_name = std::string(file_name);
    RecordWalk(result, nullptr).check(bytes);
    return result;
}

MacroCheck check_macro_file(const std::filesystem::path& path) {
    return check_macro_text(platform::read_whole_file(path, largest_macro_file),
                            platform::path_text(path));
}

void visit_contours(std::string_view bytes, ContourVisitor& visitor) {
    MacroCheck ignored;
    RecordWalk(ignored, &visitor).check(bytes);
}

std::string problem_text(const MacroCheck& check, const MacroProblem& problem) {
    return check.file_name + ":" + std::to_string(problem.line) +
           (problem.is_warning() ? ": warning: " : ": ") + problem.message;
}

}  // namespace plessard::macro
