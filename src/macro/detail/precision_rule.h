#pragma once

#include <cstddef>

#include "macro/detail/problem_list.h"
#include "macro/detail/record_grammar.h"
#include "macro/detail/record_reader.h"

namespace plessard::macro::detail {

// Each number of a record read as written that the writer, which works in single precision,
// would have written otherwise (writer_keeps): a warning of its own.
class PrecisionRule final : public RecordListener {
  public:
    explicit PrecisionRule(ProblemList& problems) : problems_(problems) {}

    void record(std::size_t line, const ParsedLine& parsed) override;

  private:
    ProblemList& problems_;
};

}  // namespace plessard::macro::detail
