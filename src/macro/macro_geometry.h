#pragma once

#include <cstddef>
#include <initializer_list>

namespace plessard::macro {

// The geometry of a macro file as read back: X to the right, Y upward, in the file's units.
struct MacroPoint {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const MacroPoint&, const MacroPoint&) = default;
};

enum class SegmentKind { line, arc_ccw, arc_cw };

// One line or arc record, with the current point it starts from.
struct MacroSegment {
    SegmentKind kind = SegmentKind::line;
    MacroPoint start;
    MacroPoint end;
    MacroPoint centre;  // arcs only
    std::size_t line = 0;
};

struct MacroBounds {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;

    // The box of one point.
    [[nodiscard]] static MacroBounds around(const MacroPoint& point) noexcept {
        return {point.x, point.y, point.x, point.y};
    }
    void include(const MacroPoint& point) noexcept;
    void include(const MacroBounds& other) noexcept;
};

// How far a coordinate read back from a macro file may lie from the value the writer meant,
// at the magnitude of the largest coordinate involved (see the definition for why).
[[nodiscard]] double coordinate_tolerance(double magnitude) noexcept;

// The largest absolute coordinate among the points.
[[nodiscard]] double largest_coordinate(std::initializer_list<MacroPoint> points) noexcept;

[[nodiscard]] double distance(const MacroPoint& a, const MacroPoint& b) noexcept;

// A box no wider and no higher than the coordinate tolerance: what the roundings of a writer may
// leave of points it meant to be one. A contour in such a box is a single point.
[[nodiscard]] bool is_single_point(const MacroBounds& box) noexcept;

// The radius an arc is drawn with: the mean of its start and end distances from the centre,
// which agree within the tolerance in every file the checker accepts.
[[nodiscard]] double arc_radius(const MacroSegment& arc) noexcept;

// An arc whose end is its very start, away from its centre: the whole circle it describes.
[[nodiscard]] bool is_full_circle(const MacroSegment& arc) noexcept;

// The angle an arc turns through from its start to its end, in its own direction, in radians:
// 2 pi for a full circle, otherwise from 0 (start and end at the same angle, as on an arc of
// radius zero: nothing is drawn) up to, not including, 2 pi.
[[nodiscard]] double arc_sweep(const MacroSegment& arc) noexcept;

// Direction of a point seen from a centre, in degrees from 0 up to, not including, 360,
// counter-clockwise from the X axis.
[[nodiscard]] double direction_degrees(const MacroPoint& centre, const MacroPoint& point) noexcept;

// The smallest box holding the segment, an arc included where it bulges past its end points.
[[nodiscard]] MacroBounds segment_bounds(const MacroSegment& segment) noexcept;

// The length of a line, or of an arc along its circle.
[[nodiscard]] double segment_length(const MacroSegment& segment) noexcept;

// Twice the signed area the segment sweeps as seen from the origin, counter-clockwise
// positive: summed over a closed contour, twice the area it encloses.
[[nodiscard]] double twice_swept_area(const MacroSegment& segment,
                                      const MacroPoint& origin) noexcept;

}  // namespace plessard::macro
