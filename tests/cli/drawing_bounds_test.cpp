#include "cli/drawing_bounds.h"

#include <gtest/gtest.h>

#include "macro/writing_run.h"
#include "platform/line_sink.h"
#include "support/case_name.h"

namespace plessard::cli {
namespace {

struct BoundsCase {
    const char* name;
    input::PartDimensions part;
    macro::MacroBounds bounds;
};

class DrawingBounds : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(DrawingBounds, HoldTheRectangleAndEveryPart) {
    platform::TextBuffer macro;
    macro::write_macro(macro, GetParam().part, {1.0F, 0.8F, 4, 3});
    const macro::MacroBounds bounds =
        drawing_bounds(macro::check_macro_text(macro.text(), "vb_output.txt"));
    EXPECT_DOUBLE_EQ(bounds.left, GetParam().bounds.left);
    EXPECT_DOUBLE_EQ(bounds.bottom, GetParam().bounds.bottom);
    EXPECT_DOUBLE_EQ(bounds.right, GetParam().bounds.right);
    EXPECT_DOUBLE_EQ(bounds.top, GetParam().bounds.top);
}

INSTANTIATE_TEST_SUITE_P(
    Arrays, DrawingBounds,
    ::testing::Values(
        // The rectangle holds every part.
        BoundsCase{
            "default_array", {10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F}, {-1.0, -0.8, 44.0, 26.4}},
        // Negative radii bulge the corners of the parts out of it, by R1 below and to the
        // left of the first part, and above and to the right of the last.
        BoundsCase{
            "parts_outside", {10.0F, 4.0F, 8.0F, 3.0F, -1.0F, -0.5F}, {-1.0, -1.0, 44.0, 26.6}}),
    testing::CaseName{});

}  // namespace
}  // namespace plessard::cli
