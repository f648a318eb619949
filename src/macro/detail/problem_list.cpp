#include "macro/detail/problem_list.h"

#include <algorithm>
#include <iterator>

namespace plessard::macro::detail {

void ProblemList::insert(std::vector<MacroProblem>& list, MacroProblem problem) const {
    // Problems come mostly in line order, so the place is nearly always the end.
    const auto place = std::upper_bound(
        list.begin(), list.end(), problem.line,
        [](std::size_t line, const MacroProblem& kept) { return line < kept.line; });
    list.insert(place, std::move(problem));
    if (list.size() > kept_) {
        list.pop_back();
    }
}

void ProblemList::merge(ProblemList&& other) {
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] += other.counts_[i];
    }
    for (std::vector<MacroProblem>* list : {&other.errors_, &other.warnings_}) {
        for (MacroProblem& problem : *list) {
            std::vector<MacroProblem>& own = list_of(problem.kind);
            if (keeps(own, problem.line)) {
                insert(own, std::move(problem));
            }
        }
        list->clear();
    }
}

std::vector<MacroProblem> ProblemList::take() && {
    const auto warnings = static_cast<std::ptrdiff_t>(shown_warnings());
    std::vector<MacroProblem> shown = std::move(errors_);
    shown.insert(shown.end(), std::make_move_iterator(warnings_.begin()),
                 std::make_move_iterator(warnings_.begin() + warnings));
    return shown;
}

}  // namespace plessard::macro::detail
