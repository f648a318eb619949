#pragma once

#include "macro/detail/problem_list.h"
#include "macro/detail/record_order.h"
#include "macro/macro_geometry.h"

namespace plessard::macro::detail {

// The geometry of each contour read as written (geometry_messages): an arc that changes its
// radius and a contour that does not close are errors; a full circle and a contour that cuts
// nothing out are warnings.
class GeometryRule final : public BodyListener {
  public:
    explicit GeometryRule(ProblemList& problems) : problems_(problems) {}

    void segment(const ContourRead& contour, const MacroSegment& segment) override;
    void contour_closed(const ContourRead& contour) override;

  private:
    ProblemList& problems_;
};

}  // namespace plessard::macro::detail
