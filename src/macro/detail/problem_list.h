#pragma once

#include <array>
#include <cstddef>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "macro/macro_check.h"

namespace plessard::macro::detail {

// The problems of a check as they are found, in any order: the first `kept` of them in line
// order (problems of one line in the order found) with their messages, every other one only
// counted. A problem that will not be kept never has its message built, so a file of millions
// of faulty lines costs neither the time of their texts nor the memory.
class ProblemList {
  public:
    explicit ProblemList(std::size_t kept) : kept_(kept) {}

    // Adds a problem; describe() gives its message and is called only when it is kept.
    template <typename Describe>
    void add(std::size_t line, ProblemKind kind, Describe&& describe) {
        ++counts_[static_cast<std::size_t>(kind)];
        if (!keeps(line)) {
            return;
        }
        insert(MacroProblem{line, std::forward<Describe>(describe)(), kind});
    }

    // Takes over every problem of the other list, as though found after those of this one.
    void merge(ProblemList&& other);

    // How many were found of a kind, kept or not.
    [[nodiscard]] std::size_t count(ProblemKind kind) const noexcept {
        return counts_[static_cast<std::size_t>(kind)];
    }
    // How many were found but not kept.
    [[nodiscard]] std::size_t dropped() const noexcept {
        return std::accumulate(counts_.begin(), counts_.end(), std::size_t{0}) - problems_.size();
    }
    [[nodiscard]] std::vector<MacroProblem> take() && { return std::move(problems_); }

  private:
    // A problem found now sorts after every kept one of its line, so it is kept while there is
    // room or while it comes before the last kept line.
    [[nodiscard]] bool keeps(std::size_t line) const noexcept {
        return problems_.size() < kept_ || (!problems_.empty() && line < problems_.back().line);
    }
    void insert(MacroProblem problem);

    std::size_t kept_;
    std::vector<MacroProblem> problems_;
    std::array<std::size_t, 3> counts_{};
};

}  // namespace plessard::macro::detail
