#pragma once

#include <cstddef>

#include "macro/detail/problem_list.h"
#include "macro/detail/record_grammar.h"
#include "macro/detail/record_order.h"
#include "macro/macro_check.h"

namespace plessard::macro::detail {

// The enclosing rectangle, from records 101, 102, 104 and 105, and the warnings it gives: a
// part that reaches outside it, and the rectangle turned inside out. Those are told only of a
// file whose syntax is sound; a malformed file is told its syntax alone.
class RectangleRule final : public BodyListener {
  public:
    void header_record(Record record, const ParsedLine& parsed) override;
    void header_read() override;
    void contour_closed(const ContourRead& contour) override;

    // At the end of the file: the warnings into problems, unless it holds a syntax problem.
    void finish(ProblemList& problems);

    // All four records were read by the end of the header.
    [[nodiscard]] bool complete() const noexcept { return complete_; }
    // As far as it was read; the coordinates of missing records are zero.
    [[nodiscard]] const MacroRectangle& rectangle() const noexcept { return rectangle_; }

  private:
    MacroRectangle rectangle_;
    std::size_t records_ = 0;
    bool complete_ = false;
    // Parts outside the rectangle, told only once the file proves well formed.
    ProblemList warnings_{shown_problems};
};

}  // namespace plessard::macro::detail
