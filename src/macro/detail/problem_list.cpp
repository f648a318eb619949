#include "macro/detail/problem_list.h"

#include <algorithm>

namespace plessard::macro::detail {

void ProblemList::insert(MacroProblem problem) {
    // Problems come mostly in line order, so the place is nearly always the end.
    const auto place = std::upper_bound(
        problems_.begin(), problems_.end(), problem.line,
        [](std::size_t line, const MacroProblem& kept) { return line < kept.line; });
    problems_.insert(place, std::move(problem));
    if (problems_.size() > kept_) {
        problems_.pop_back();
    }
}

void ProblemList::merge(ProblemList&& other) {
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] += other.counts_[i];
    }
    for (MacroProblem& problem : other.problems_) {
        if (keeps(problem.line)) {
            insert(std::move(problem));
        }
    }
    other.problems_.clear();
}

}  // namespace plessard::macro::detail
