#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "macro/detail/contour_measure.h"
#include "macro/detail/problem_list.h"
#include "macro/detail/record_grammar.h"
#include "macro/detail/record_reader.h"
#include "macro/macro_geometry.h"
#include "macro/record_table.h"
#include "platform/interface.h"

namespace plessard::macro::detail {

// A contour as it is read, from its record 0.
struct ContourRead {
    ContourRead(std::size_t part_number, std::size_t line, const MacroPoint& start)
        : part(part_number), first_line(line), measure(start) {}

    // "part 1 (line 8)": the contour as messages name it.
    [[nodiscard]] std::string name() const {
        return "part " + std::to_string(part) + " (line " + std::to_string(first_line) + ")";
    }

    std::size_t part;        // counted from 1, in the order written
    std::size_t first_line;  // of its record 0
    std::size_t last_segment_line = 0;
    ContourMeasure measure;  // of the segments read as written
    // A line of it is not a record as written, so the current point is lost: its geometry
    // cannot be judged.
    bool damaged = false;
};

// Hears the body of a file as the order of its records tells it: the header, then each
// contour from its record 0 to where it ends. Each does nothing unless a listener wants it.
class BodyListener : public platform::Interface {
  public:
    // A header record read as written, in its place or past a missing one.
    virtual void header_record(Record /*record*/, const ParsedLine& /*parsed*/) {}
    // The header read to its last record; some may be missing.
    virtual void header_read() {}
    virtual void contour_start(const ContourRead& /*contour*/) {}
    // A line or arc record read as written, already measured into the contour.
    virtual void segment(const ContourRead& /*contour*/, const MacroSegment& /*segment*/) {}
    // Record 99 of the contour, before its end.
    virtual void contour_closed(const ContourRead& /*contour*/) {}
    // The end of the contour, at its record 99 or wherever it is cut off.
    virtual void contour_end(const ContourRead& /*contour*/) {}
};

// The order of the records: the header 101 to 106 and 111, then contours from record 0 to
// record 99, then the end mark. Records out of that order are syntax problems; the rest of the
// file is read on as well as it can be, so that every contour still reaches the listeners.
class RecordOrder final : public RecordListener {
  public:
    RecordOrder(ProblemList& problems, std::initializer_list<BodyListener*> listeners)
        : problems_(problems), listeners_(listeners) {}

    void record(std::size_t line, const ParsedLine& parsed) override;
    // A file that stops before its end mark, and one that holds no part, told at its last line.
    void finish(std::size_t lines) override;

    // Contours opened by a record 0.
    [[nodiscard]] std::size_t parts() const noexcept { return parts_; }

  private:
    enum class Stage {
        header,
        contours,  // between contours
        contour,
        orphan,  // lines and arcs that no record 0 opened, up to their record 99
        ended,
    };

    void take_header(Record record, const ParsedLine& parsed);
    void advance_header(std::size_t taken);
    void take_between_contours(Record record, const ParsedLine& parsed);
    void take_orphan(Record record, const ParsedLine& parsed);
    void take_in_contour(Record record, const ParsedLine& parsed);
    void open_contour(const ParsedLine& parsed);
    void add_segment(Record record, const ParsedLine& parsed);
    // The end of the contour being read, at its record 99 or wherever it is cut off.
    void end_contour();
    void report_unfinished(std::size_t lines);

    // Hands an event to every listener, in the order given.
    template <typename Event>
    void tell(const Event& event) {
        for (BodyListener* listener : listeners_) {
            event(*listener);
        }
    }

    ProblemList& problems_;
    std::vector<BodyListener*> listeners_;
    Stage stage_ = Stage::header;
    std::size_t line_ = 0;
    std::size_t next_header_ = 0;
    std::size_t parts_ = 0;
    std::optional<ContourRead> contour_;  // the contour being read
};

}  // namespace plessard::macro::detail
