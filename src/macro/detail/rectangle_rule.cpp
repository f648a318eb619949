#include "macro/detail/rectangle_rule.h"

#include <string>
#include <utility>

#include "macro/detail/geometry_messages.h"

namespace plessard::macro::detail {

void RectangleRule::header_record(Record record, const ParsedLine& parsed) {
    std::size_t index = 0;
    switch (record) {
        case Record::rectangle_left:
            rectangle_.lower_left.x = parsed.values[0];
            index = 0;
            break;
        case Record::rectangle_bottom:
            rectangle_.lower_left.y = parsed.values[0];
            index = 1;
            break;
        case Record::rectangle_right:
            rectangle_.upper_right.x = parsed.values[0];
            index = 2;
            break;
        case Record::rectangle_top:
            rectangle_.upper_right.y = parsed.values[0];
            index = 3;
            break;
        default:
            return;
    }
    rectangle_.texts[index] = std::string(parsed.texts[0]);
    ++records_;
}

void RectangleRule::header_read() {
    complete_ = records_ == 4;
}

void RectangleRule::contour_closed(const ContourRead& contour) {
    if (complete_ && leaves_rectangle(rectangle_, contour.measure.bounds())) {
        warnings_.add(contour.first_line, ProblemKind::warning, [&contour] {
            return outside_message(contour.measure.bounds(), contour.part);
        });
    }
}

void RectangleRule::finish(ProblemList& problems) {
    if (!complete_ || problems.count(ProblemKind::syntax) != 0) {
        return;
    }
    if (is_inside_out(rectangle_)) {
        warnings_.add(1, ProblemKind::warning, [this] { return inside_out_message(rectangle_); });
    }
    problems.merge(std::move(warnings_));
}

}  // namespace plessard::macro::detail
