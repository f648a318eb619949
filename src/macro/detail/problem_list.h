#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "macro/macro_check.h"

namespace plessard::macro::detail {

// The problems of a check as they are found, in any order. Errors (syntax and geometry) come
// before warnings, so that no number of warnings can hide why a file is rejected: the first
// `kept` errors in line order, then the first warnings in line order in the room left (problems
// of one line in the order found). Every other problem is only counted, and a problem that will
// not be shown never has its message built, so a file of millions of faulty lines costs neither
// the time of their texts nor the memory.
class ProblemList {
  public:
    explicit ProblemList(std::size_t kept) : kept_(kept) {}

    // Adds a problem; describe() gives its message and is called only when it may be shown.
    template <std::invocable Describe>
    void add(std::size_t line, ProblemKind kind, Describe&& describe) {
        ++counts_[static_cast<std::size_t>(kind)];
        std::vector<MacroProblem>& list = list_of(kind);
        if (!keeps(list, line)) {
            return;
        }
        insert(list, MacroProblem{line, std::forward<Describe>(describe)(), kind});
    }
    // Adds a problem of a fixed message.
    void add(std::size_t line, ProblemKind kind, std::string_view message) {
        add(line, kind, [message] { return std::string(message); });
    }

    // Takes over every problem of the other list, as though found after those of this one.
    void merge(ProblemList&& other);

    // How many were found of a kind, shown or not.
    [[nodiscard]] std::size_t count(ProblemKind kind) const noexcept {
        return counts_[static_cast<std::size_t>(kind)];
    }
    // How many errors were found but are not shown.
    [[nodiscard]] std::size_t hidden_errors() const noexcept {
        return count(ProblemKind::syntax) + count(ProblemKind::geometry) - errors_.size();
    }
    // How many warnings were found but are not shown.
    [[nodiscard]] std::size_t hidden_warnings() const noexcept {
        return count(ProblemKind::warning) - shown_warnings();
    }
    // The problems shown: the errors kept, then the warnings in the room they leave.
    [[nodiscard]] std::vector<MacroProblem> take() &&;

  private:
    [[nodiscard]] std::vector<MacroProblem>& list_of(ProblemKind kind) noexcept {
        return kind == ProblemKind::warning ? warnings_ : errors_;
    }
    [[nodiscard]] std::size_t shown_warnings() const noexcept {
        return std::min(warnings_.size(), kept_ - errors_.size());
    }
    // A problem found now sorts after every kept one of its line, so it is kept while its list
    // has room or while it comes before the last line kept there.
    [[nodiscard]] bool keeps(const std::vector<MacroProblem>& list,
                             std::size_t line) const noexcept {
        return list.size() < kept_ || (!list.empty() && line < list.back().line);
    }
    void insert(std::vector<MacroProblem>& list, MacroProblem problem) const;

    std::size_t kept_;
    std::vector<MacroProblem> errors_;
    std::vector<MacroProblem> warnings_;
    std::array<std::size_t, 3> counts_{};
};

}  // namespace plessard::macro::detail
