#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "macro/detail/problem_list.h"
#include "macro/detail/record_grammar.h"
#include "platform/interface.h"

namespace plessard::macro::detail {

// Hears the lines of a macro file as the reader takes them apart, in file order.
class RecordListener : public platform::Interface {
  public:
    // A line up to and including the end mark, counted from 1, against the record grammar.
    virtual void record(std::size_t line, const ParsedLine& parsed) = 0;
    // The end of the bytes, after `lines` lines in all (those after the end mark too).
    virtual void finish(std::size_t /*lines*/) {}
};

// Reads the bytes of a macro file line by line up to its end mark and hands each line, taken
// apart, to the listeners in the order given. Its own problems are those of the lines as
// written: line ends other than CR LF, lines that are no record as written, and anything after
// the end mark, whose first line alone is told and none read.
class RecordReader {
  public:
    RecordReader(ProblemList& problems, std::initializer_list<RecordListener*> listeners)
        : problems_(problems), listeners_(listeners) {}

    // Reads the bytes through; returns how many lines they hold.
    std::size_t read(std::string_view bytes);

  private:
    // One line up to the end mark, its line end (a line feed, or none) cut off.
    void take(std::string_view content, bool has_line_feed);
    // Every line that ends in LF alone, told once at the first of them.
    void report_bare_line_feeds();

    ProblemList& problems_;
    std::vector<RecordListener*> listeners_;
    std::size_t line_ = 0;
    std::size_t end_mark_line_ = 0;  // none yet
    std::size_t bare_line_feeds_ = 0;
    std::size_t first_bare_line_feed_ = 0;
};

}  // namespace plessard::macro::detail
