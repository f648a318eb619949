#include "macro/macro_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace plessard::macro {
namespace {

constexpr double two_pi = 2.0 * std::numbers::pi;

// Angle of a point seen from a centre, in radians from 0 up to, not including, 2 pi.
double direction(const MacroPoint& centre, const MacroPoint& point) noexcept {
    double angle = std::atan2(point.y - centre.y, point.x - centre.x);
    if (angle < 0.0) {
        angle += two_pi;
    }
    return angle >= two_pi ? 0.0 : angle;
}

}  // namespace

MacroBounds segment_bounds(const MacroSegment& segment) noexcept {
    MacroBounds bounds = MacroBounds::around(segment.start);
    bounds.include(segment.end);
    if (segment.kind == SegmentKind::line) {
        return bounds;
    }
    // An arc reaches past its end points where it crosses one of the four axis directions.
    const double sweep = arc_sweep(segment);
    const double from = segment.kind == SegmentKind::arc_ccw
                            ? direction(segment.centre, segment.start)
                            : direction(segment.centre, segment.end);
    const double radius = arc_radius(segment);
    const MacroPoint& c = segment.centre;
    const std::array<MacroPoint, 4> extremes{
        MacroPoint{c.x + radius, c.y}, MacroPoint{c.x, c.y + radius}, MacroPoint{c.x - radius, c.y},
        MacroPoint{c.x, c.y - radius}};
    for (std::size_t quarter = 0; quarter < extremes.size(); ++quarter) {
        double past = static_cast<double>(quarter) * std::numbers::pi / 2.0 - from;
        if (past < 0.0) {
            past += two_pi;
        }
        if (past < sweep) {
            bounds.include(extremes[quarter]);
        }
    }
    return bounds;
}

void MacroBounds::include(const MacroPoint& point) noexcept {
    left = std::min(left, point.x);
    bottom = std::min(bottom, point.y);
    right = std::max(right, point.x);
    top = std::max(top, point.y);
}

void MacroBounds::include(const MacroBounds& other) noexcept {
    left = std::min(left, other.left);
    bottom = std::min(bottom, other.bottom);
    right = std::max(right, other.right);
    top = std::max(top, other.top);
}

// Each coordinate in a macro file went through three roundings on its way from the exact
// value of its expression (computed from single inputs) to the text:
//  - rounding to single: at most half the spacing of singles at that magnitude;
//  - the shortest decimal form of that single, which fmt starts from: less than another half;
//  - rounding to three decimals: at most 0.0005.
// So a text lies within 0.0005 plus one single spacing of the exact value. The spacing is
// taken for the binade above the magnitude, since a text rounded down to just below a power
// of two may stand for a single just above it. At modest magnitudes the 0.0005 dominates (a
// part near 100 has singles 0.0000076 apart), so a wrong digit in the third decimal (0.001)
// stays visible; a part a million units out lives on singles 0.0625 apart, and there the
// spacing dominates.
double coordinate_tolerance(double magnitude) noexcept {
    int exponent = 0;
    (void)std::frexp(std::isfinite(magnitude) ? magnitude : 0.0, &exponent);
    constexpr int single_fraction_bits = 23;
    return 0.0005 + std::ldexp(1.0, exponent - single_fraction_bits);
}

double largest_coordinate(std::initializer_list<MacroPoint> points) noexcept {
    double largest = 0.0;
    for (const MacroPoint& point : points) {
        largest = std::max({largest, std::fabs(point.x), std::fabs(point.y)});
    }
    return largest;
}

double distance(const MacroPoint& a, const MacroPoint& b) noexcept {
    return std::hypot(b.x - a.x, b.y - a.y);
}

bool is_single_point(const MacroBounds& box) noexcept {
    const double tolerance =
        coordinate_tolerance(largest_coordinate({{box.left, box.bottom}, {box.right, box.top}}));
    return box.right - box.left <= tolerance && box.top - box.bottom <= tolerance;
}

double arc_radius(const MacroSegment& arc) noexcept {
    return (distance(arc.centre, arc.start) + distance(arc.centre, arc.end)) / 2.0;
}

bool is_full_circle(const MacroSegment& arc) noexcept {
    return arc.kind != SegmentKind::line && arc.end == arc.start && arc.start != arc.centre;
}

double arc_sweep(const MacroSegment& arc) noexcept {
    if (is_full_circle(arc)) {
        return two_pi;
    }
    const double start = direction(arc.centre, arc.start);
    const double end = direction(arc.centre, arc.end);
    double sweep = arc.kind == SegmentKind::arc_cw ? start - end : end - start;
    if (sweep < 0.0) {
        sweep += two_pi;
    }
    return sweep >= two_pi ? 0.0 : sweep;
}

double direction_degrees(const MacroPoint& centre, const MacroPoint& point) noexcept {
    const double degrees = direction(centre, point) * 180.0 / std::numbers::pi;
    return degrees >= 360.0 ? 0.0 : degrees;
}

double segment_length(const MacroSegment& segment) noexcept {
    if (segment.kind == SegmentKind::line) {
        return distance(segment.start, segment.end);
    }
    return arc_radius(segment) * arc_sweep(segment);
}

// A line adds the cross product of its ends. An arc adds r^2 times its signed sweep (the
// sector) plus the cross product of its centre with the step from its start to its end: the
// integral of x dy - y dx along the circle.
double twice_swept_area(const MacroSegment& segment, const MacroPoint& origin) noexcept {
    const MacroPoint start{segment.start.x - origin.x, segment.start.y - origin.y};
    const MacroPoint end{segment.end.x - origin.x, segment.end.y - origin.y};
    if (segment.kind == SegmentKind::line) {
        return start.x * end.y - end.x * start.y;
    }
    const MacroPoint centre{segment.centre.x - origin.x, segment.centre.y - origin.y};
    const double radius = arc_radius(segment);
    const double sweep =
        segment.kind == SegmentKind::arc_ccw ? arc_sweep(segment) : -arc_sweep(segment);
    return radius * radius * sweep + centre.x * (end.y - start.y) - centre.y * (end.x - start.x);
}

}  // namespace plessard::macro
