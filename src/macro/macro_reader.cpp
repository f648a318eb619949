#include "macro/macro_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "macro/macro_number.h"
#include "macro/record_line.h"
#include "platform/ascii.h"
#include "platform/error.h"
#include "platform/message_text.h"
#include "platform/number_text.h"
#include "platform/text_file.h"

namespace plessard::macro {
namespace {

enum class Record {
    rectangle_left,
    rectangle_bottom,
    fixed_103,
    rectangle_right,
    rectangle_top,
    fixed_106,
    contours_follow,
    start_point,
    line_to,
    arc_ccw,
    arc_cw,
    contour_end,
    end_mark,
};

struct RecordForm {
    Record record;
    std::string_view code;       // as the operator names it: "101", "0", "-1"
    std::string_view code_text;  // exactly as it begins the line
    std::size_t operands;
};

constexpr std::array<RecordForm, 13> record_forms{{
    {Record::rectangle_left, "101", code::rectangle_left, 1},
    {Record::rectangle_bottom, "102", code::rectangle_bottom, 1},
    {Record::fixed_103, "103", code::fixed_103, 0},
    {Record::rectangle_right, "104", code::rectangle_right, 1},
    {Record::rectangle_top, "105", code::rectangle_top, 1},
    {Record::fixed_106, "106", code::fixed_106, 0},
    {Record::contours_follow, "111", code::contours_follow, 0},
    {Record::start_point, "0", code::start_point, 2},
    {Record::line_to, "1", code::line_to, 2},
    {Record::arc_ccw, "3", code::arc_ccw, 4},
    {Record::arc_cw, "2", code::arc_cw, 4},
    {Record::contour_end, "99", code::contour_end, 0},
    {Record::end_mark, "-1", code::end_mark, 0},
}};

// The header records are the first seven forms, in the order they are written.
constexpr std::size_t header_records = 7;

bool is_header(Record record) noexcept {
    return static_cast<std::size_t>(record) < header_records;
}

const RecordForm& form_of(Record record) noexcept {
    return record_forms[static_cast<std::size_t>(record)];
}

std::string record_name(Record record) {
    return "record " + std::string(form_of(record).code);
}

// A piece of the file as the operator should see it in a message: short, quoted, and with no
// control bytes that could garble a terminal.
constexpr std::size_t shown_length = 40;

std::string quoted(std::string_view text) {
    return platform::quoted_excerpt(text, shown_length);
}

// A number for a message, to a tenth of the last written decimal: numbers read from the file
// come back as written, computed ones (a radius, the edge of an arc) without binary noise.
// Beyond a thousand million million the digits say nothing more than the exponent form does,
// and a message stays short whatever the file holds.
std::string rounded_text(double value) {
    if (std::fabs(value) < 1e11) {
        return decimal_text(std::round(value * 1e4) / 1e4);
    }
    if (std::fabs(value) < 1e15) {
        return decimal_text(value);
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string point_text(const MacroPoint& point) {
    return "(" + rounded_text(point.x) + ", " + rounded_text(point.y) + ")";
}

std::string plural(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// A record line taken apart. `fault` is set when the line is not a record as written; even
// then `record` names the record when its code is known, so that the order of the records can
// still be followed, and `blank` tells an empty line from a garbled one.
struct ParsedLine {
    std::optional<Record> record;
    std::array<double, 4> values{};
    std::array<std::string_view, 4> texts{};
    std::optional<std::string> fault;
    bool blank = false;
};

ParsedLine fail(std::optional<Record> record, std::string message) {
    ParsedLine parsed;
    parsed.record = record;
    parsed.fault = std::move(message);
    return parsed;
}

std::optional<std::string> character_fault(std::string_view content) {
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\r') {
            return "carriage return without a line feed in column " + std::to_string(i + 1) +
                   " (lines end in CR LF)";
        }
        if (!platform::is_printable_ascii(c)) {
            return "byte " + platform::byte_text(static_cast<unsigned char>(c)) + " in column " + std::to_string(i + 1) +
                   " is not printable ASCII";
        }
    }
    return std::nullopt;
}

// The operands after the code text: the first directly after it, every further one after
// ", ". Fills the values and texts, or says what is wrong.
std::optional<std::string> parse_operands(const RecordForm& form, std::string_view rest,
                                          ParsedLine& parsed) {
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = rest.find(',');
        std::string_view piece = rest.substr(0, comma);
        if (count > 0) {
            if (!piece.starts_with(' ') || piece.starts_with("  ")) {
                return "numbers are separated by \", \" (a comma and one blank)";
            }
            piece.remove_prefix(1);
        } else if (piece.starts_with(' ')) {
            return "the first number must follow " + quoted(form.code_text) + " directly";
        }
        if (count < form.operands) {
            if (auto fault = macro_number_fault(piece)) {
                return "bad number " + quoted(piece) + ": " + *fault;
            }
            parsed.texts[count] = piece;
            parsed.values[count] = platform::text_value(piece);
        }
        ++count;
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (count != form.operands) {
        return record_name(form.record) + " takes " + plural(form.operands, "number", "numbers") +
               ", not " + std::to_string(count);
    }
    return std::nullopt;
}

ParsedLine parse_line(std::string_view content) {
    if (content.empty()) {
        ParsedLine parsed = fail(std::nullopt, "blank line");
        parsed.blank = true;
        return parsed;
    }
    if (auto fault = character_fault(content)) {
        return fail(std::nullopt, *std::move(fault));
    }
    const std::string_view code = content.substr(0, content.find(','));
    const auto known = std::find_if(record_forms.begin(), record_forms.end(),
                                    [&](const RecordForm& form) { return form.code == code; });
    if (known == record_forms.end()) {
        return fail(std::nullopt, "unknown record " + quoted(code));
    }
    const RecordForm& form = *known;
    if (form.operands == 0) {
        if (content != form.code_text) {
            return fail(form.record, record_name(form.record) + " must read exactly " +
                                         quoted(form.code_text) + ", not " + quoted(content));
        }
    } else if (!content.starts_with(form.code_text)) {
        return fail(form.record,
                    record_name(form.record) + " must begin with " + quoted(form.code_text));
    }
    ParsedLine parsed;
    parsed.record = form.record;
    if (form.operands > 0) {
        parsed.fault = parse_operands(form, content.substr(form.code_text.size()), parsed);
    }
    return parsed;
}

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
            take(parse_line(content));
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

    // Start and end of an arc each lie within the coordinate tolerance t of where the writer
    // meant them, and so does the centre: each distance from the centre may be off by up to
    // 2 t in both coordinates, 2 sqrt(2) t in length, and the two distances can disagree by
    // twice that, although the arc the writer meant has one radius.
    void check_arc(const MacroSegment& arc) {
        const double tolerance =
            4.0 * std::sqrt(2.0) *
            coordinate_tolerance(largest_coordinate({arc.start, arc.centre, arc.end}));
        const double from_start = distance(arc.centre, arc.start);
        const double to_end = distance(arc.centre, arc.end);
        if (!(std::fabs(from_start - to_end) <= tolerance)) {
            add(ProblemKind::geometry,
                "the arc changes its radius: " + rounded_text(from_start) + " from the centre " +
                    point_text(arc.centre) + " to its start " + point_text(arc.start) + ", " +
                    rounded_text(to_end) + " to its end " + point_text(arc.end));
        }
    }

    // A closed contour ends on the very text it starts with, since any writer computes both
    // from the same expressions; only a writer whose arithmetic takes another route may land a
    // single's spacing away, which the tolerance allows. A changed third decimal does not pass.
    void close_contour() {
        const MacroContour& contour = result_.contours.back();
        if (contour_damaged_ || contour.segments.empty()) {
            return;
        }
        const MacroSegment& last = contour.segments.back();
        const double tolerance =
            coordinate_tolerance(largest_coordinate({contour.start, last.end}));
        if (!(std::fabs(last.end.x - contour.start.x) <= tolerance &&
              std::fabs(last.end.y - contour.start.y) <= tolerance)) {
            add_at(last.line, ProblemKind::geometry,
                   "the contour of " + part_name() + " does not close: it ends at " +
                       point_text(last.end) + ", not at its start " + point_text(contour.start));
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

    // Odd dimensions (negative ones, radii larger than the sides) can put a part outside the
    // rectangle, or turn the rectangle inside out; the file is still what the host asked for.
    void check_rectangle() {
        if (!result_.has_rectangle || !result_.well_formed()) {
            return;
        }
        const MacroRectangle& rectangle = result_.rectangle;
        if (rectangle.upper_right.x < rectangle.lower_left.x ||
            rectangle.upper_right.y < rectangle.lower_left.y) {
            add_at(1, ProblemKind::warning,
                   "the enclosing rectangle is inside out: from " +
                       point_text(rectangle.lower_left) + " to " +
                       point_text(rectangle.upper_right));
        }
        for (std::size_t i = 0; i < result_.contours.size(); ++i) {
            const MacroContour& contour = result_.contours[i];
            const MacroBounds bounds = contour_bounds(contour);
            const double tolerance =
                coordinate_tolerance(largest_coordinate({rectangle.lower_left,
                                                         rectangle.upper_right,
                                                         {bounds.left, bounds.bottom},
                                                         {bounds.right, bounds.top}}));
            if (bounds.left < rectangle.lower_left.x - tolerance ||
                bounds.bottom < rectangle.lower_left.y - tolerance ||
                bounds.right > rectangle.upper_right.x + tolerance ||
                bounds.top > rectangle.upper_right.y + tolerance) {
                add_at(contour.first_line, ProblemKind::warning,
                       "part " + std::to_string(i + 1) +
                           " leaves the enclosing rectangle: it spans " +
                           point_text({bounds.left, bounds.bottom}) + " to " +
                           point_text({bounds.right, bounds.top}));
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

MacroSummary MacroCheck::summary() const {
    MacroSummary summary;
    summary.lines = lines;
    summary.parts = contours.size();
    summary.rectangle = rectangle;
    // Both edges are written with three decimals, so their difference has three as well; the
    // rounding only drops the binary noise of the subtraction (26.4 + 0.8 is 27.2, not
    // 27.199999999999996).
    const auto thousandths = [](double value) { return std::round(value * 1000.0) / 1000.0; };
    summary.width = thousandths(rectangle.upper_right.x - rectangle.lower_left.x);
    summary.height = thousandths(rectangle.upper_right.y - rectangle.lower_left.y);
    return summary;
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

MacroBounds drawing_bounds(const MacroCheck& check) noexcept {
    // An inside-out rectangle still spans the same area.
    const MacroPoint& corner = check.rectangle.lower_left;
    MacroBounds bounds{corner.x, corner.y, corner.x, corner.y};
    bounds.include(check.rectangle.upper_right);
    if (!check.has_rectangle && !check.contours.empty()) {
        bounds = contour_bounds(check.contours.front());
    }
    for (const MacroContour& contour : check.contours) {
        bounds.include(contour_bounds(contour));
    }
    return bounds;
}

std::string problem_text(const MacroCheck& check, const MacroProblem& problem) {
    return check.file_name + ":" + std::to_string(problem.line) +
           (problem.is_warning() ? ": warning: " : ": ") + problem.message;
}

}  // namespace plessard::macro
