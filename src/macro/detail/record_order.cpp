#include "macro/detail/record_order.h"

#include <algorithm>

namespace plessard::macro::detail {

void RecordOrder::record(std::size_t line, const ParsedLine& parsed) {
    line_ = line;
    if (!parsed.record) {
        // A line that names no record. In the header it most likely stands where the record
        // expected there was (a blank line is rather one too many); in a contour the current
        // point is lost, so the contour is not measured.
        if (stage_ == Stage::header && !parsed.blank) {
            advance_header(next_header_);
        }
        if (contour_) {
            contour_->damaged = true;
        }
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
            break;
    }
}

void RecordOrder::take_header(Record record, const ParsedLine& parsed) {
    const auto expected = static_cast<Record>(next_header_);
    if (record != expected) {
        problems_.add(line_, ProblemKind::syntax, [expected, record] {
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
        tell([&](BodyListener& listener) { listener.header_record(record, parsed); });
    }
    advance_header(static_cast<std::size_t>(record));
}

void RecordOrder::advance_header(std::size_t taken) {
    next_header_ = taken + 1;
    if (next_header_ == header_records) {
        stage_ = Stage::contours;
        tell([](BodyListener& listener) { listener.header_read(); });
    }
}

void RecordOrder::take_between_contours(Record record, const ParsedLine& parsed) {
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
            problems_.add(line_, ProblemKind::syntax, [record] {
                return record_name(record) + " outside a contour (no record 0 opens one)";
            });
            stage_ = Stage::orphan;
            break;
        case Record::contour_end:
            problems_.add(line_, ProblemKind::syntax,
                          "record 99 outside a contour (no record 0 opens one)");
            break;
        default:
            problems_.add(line_, ProblemKind::syntax, [record] {
                return "header " + record_name(record) + " after the header";
            });
            break;
    }
}

// The rest of a contour whose record 0 is missing has been reported with its first line.
void RecordOrder::take_orphan(Record record, const ParsedLine& parsed) {
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

void RecordOrder::take_in_contour(Record record, const ParsedLine& parsed) {
    switch (record) {
        case Record::line_to:
        case Record::arc_ccw:
        case Record::arc_cw:
            add_segment(record, parsed);
            break;
        case Record::contour_end:
            tell([this](BodyListener& listener) { listener.contour_closed(*contour_); });
            end_contour();
            stage_ = Stage::contours;
            break;
        case Record::start_point:
            problems_.add(line_, ProblemKind::syntax, [this] {
                return "record 0 opens a new contour, but " + contour_->name() +
                       " has not ended with record 99";
            });
            end_contour();
            open_contour(parsed);
            break;
        case Record::end_mark:
            problems_.add(line_, ProblemKind::syntax, [this] {
                return "the contour of " + contour_->name() +
                       " has not ended with record 99 before the end mark";
            });
            end_contour();
            stage_ = Stage::ended;
            break;
        default:
            problems_.add(line_, ProblemKind::syntax, [record] {
                return "header " + record_name(record) + " inside a contour";
            });
            break;
    }
}

void RecordOrder::open_contour(const ParsedLine& parsed) {
    contour_.emplace(++parts_, line_, MacroPoint{parsed.values[0], parsed.values[1]});
    contour_->damaged = parsed.fault.has_value();
    stage_ = Stage::contour;
    tell([this](BodyListener& listener) { listener.contour_start(*contour_); });
}

void RecordOrder::add_segment(Record record, const ParsedLine& parsed) {
    if (parsed.fault) {
        contour_->damaged = true;
        return;
    }
    MacroSegment segment;
    segment.line = line_;
    segment.start = contour_->measure.end();
    if (record == Record::line_to) {
        segment.kind = SegmentKind::line;
        segment.end = {parsed.values[0], parsed.values[1]};
    } else {
        segment.kind = record == Record::arc_ccw ? SegmentKind::arc_ccw : SegmentKind::arc_cw;
        segment.centre = {parsed.values[0], parsed.values[1]};
        segment.end = {parsed.values[2], parsed.values[3]};
    }
    contour_->measure.add(segment);
    contour_->last_segment_line = line_;
    tell([&](BodyListener& listener) { listener.segment(*contour_, segment); });
}

void RecordOrder::end_contour() {
    if (!contour_) {
        return;
    }
    tell([this](BodyListener& listener) { listener.contour_end(*contour_); });
    contour_.reset();
}

void RecordOrder::finish(std::size_t lines) {
    report_unfinished(lines);
    end_contour();
}

void RecordOrder::report_unfinished(std::size_t lines) {
    const std::size_t last_line = std::max<std::size_t>(lines, 1);
    switch (stage_) {
        case Stage::header:
            problems_.add(last_line, ProblemKind::syntax,
                          lines == 0 ? "incomplete file: it is empty"
                                     : "incomplete file: it ends inside the header, without "
                                       "the end mark \"-1\"");
            break;
        case Stage::contour:
            problems_.add(last_line, ProblemKind::syntax, [this] {
                return "incomplete file: it ends inside the contour of " + contour_->name() +
                       ", without record 99 and the end mark \"-1\"";
            });
            break;
        case Stage::contours:
            problems_.add(last_line, ProblemKind::syntax,
                          "incomplete file: it ends without the end mark \"-1\"");
            break;
        case Stage::orphan:
            problems_.add(last_line, ProblemKind::syntax,
                          "incomplete file: it ends inside a contour, without record 99 and the "
                          "end mark \"-1\"");
            break;
        case Stage::ended:
            // Lines after the end mark are the file's problem then, not its parts.
            if (parts_ == 0 && lines == line_) {
                problems_.add(last_line, ProblemKind::warning, "the file holds no part");
            }
            break;
    }
}

}  // namespace plessard::macro::detail
