#pragma once

#include <cstddef>

#include "macro/macro_geometry.h"

namespace plessard::macro::detail {

// What is known of a contour from its segments as they come, none of them kept: a contour of
// any length costs the same few numbers.
class ContourMeasure {
  public:
    // A contour that begins at its record 0.
    explicit ContourMeasure(const MacroPoint& start) noexcept;

    // The next line or arc, which starts where the one before ended.
    void add(const MacroSegment& segment) noexcept;

    [[nodiscard]] const MacroPoint& start() const noexcept { return start_; }
    // Where the last segment ends; the start while there is none.
    [[nodiscard]] const MacroPoint& end() const noexcept { return end_; }
    [[nodiscard]] std::size_t segments() const noexcept { return segments_; }
    // The smallest box holding every segment, arcs with their bulges.
    [[nodiscard]] const MacroBounds& bounds() const noexcept { return bounds_; }
    // The length of the outline.
    [[nodiscard]] double length() const noexcept { return length_; }
    // The area enclosed, counter-clockwise positive, as though the contour closed with a
    // straight line back to its start.
    [[nodiscard]] double area() const noexcept { return twice_area_ / 2.0; }

  private:
    MacroPoint start_;
    MacroPoint end_;
    std::size_t segments_ = 0;
    MacroBounds bounds_;
    double length_ = 0.0;
    // Taken about the start, where the numbers are small even when the part lies far out.
    double twice_area_ = 0.0;
};

}  // namespace plessard::macro::detail
