#include "macro/contour_visitor.h"

#include "macro/detail/problem_list.h"
#include "macro/detail/record_order.h"
#include "macro/detail/record_reader.h"

namespace plessard::macro {
namespace {

// The contours of the record order, as a visitor takes them.
class VisitedContours final : public detail::BodyListener {
  public:
    explicit VisitedContours(ContourVisitor& visitor) : visitor_(visitor) {}

    void contour_start(const detail::ContourRead& contour) override {
        visitor_.start(contour.part, contour.first_line, contour.measure.start());
    }
    void segment(const detail::ContourRead& /*contour*/, const MacroSegment& segment) override {
        visitor_.segment(segment);
    }
    void contour_end(const detail::ContourRead& contour) override {
        visitor_.end(contour.measure.bounds());
    }

  private:
    ContourVisitor& visitor_;
};

}  // namespace

void visit_contours(std::string_view bytes, ContourVisitor& visitor) {
    // The problems were told when the bytes were checked; here they are counted, never worded.
    detail::ProblemList untold(0);
    VisitedContours contours(visitor);
    detail::RecordOrder order(untold, {&contours});
    detail::RecordReader(untold, {&order}).read(bytes);
}

}  // namespace plessard::macro
