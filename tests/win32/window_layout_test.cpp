#include "win32/window_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace plessard::win32 {
namespace {

struct PlaceCase {
    std::size_t index;
    UINT dots_per_inch;
    RECT place;
};

TEST(ControlRect, PlacesTheTwipsAtTheScreensResolution) {
    const PlaceCase cases[] = {
        {form::command1_index, 96, {256, 24, 505, 49}},
        {form::picture1_index, 96, {32, 24, 233, 225}},
        {form::text_box_indices[3], 96, {424, 168, 505, 189}},
        {form::command1_index, 144, {384, 36, 758, 74}},  // 150 %: 373.5 by 37.5 pixels
        {form::text_box_indices[3], 192, {848, 336, 1010, 378}},
    };
    for (const PlaceCase& c : cases) {
        const RECT place = control_rect(form::controls[c.index], c.dots_per_inch);
        EXPECT_EQ(place.left, c.place.left) << form::controls[c.index].name;
        EXPECT_EQ(place.top, c.place.top) << form::controls[c.index].name;
        EXPECT_EQ(place.right, c.place.right) << form::controls[c.index].name;
        EXPECT_EQ(place.bottom, c.place.bottom) << form::controls[c.index].name;
    }
}

TEST(ControlId, IsNeitherTheDialogManagersOkNorCancelAndNamesOneControl) {
    std::set<int> ids;
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const int id = control_id(i);
        EXPECT_NE(id, IDOK);
        EXPECT_NE(id, IDCANCEL);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), form::controls.size());
}

TEST(FrameSize, HoldsTheClientAreaAtEveryResolution) {
    for (const UINT dpi : {96u, 144u, 192u}) {
        const SIZE frame = frame_size(dpi);
        RECT client{0, 0, frame.cx, frame.cy};
        RECT none{0, 0, 0, 0};
        ::AdjustWindowRectExForDpi(&none, frame_style, FALSE, frame_ex_style, dpi);
        client.right -= none.right - none.left;
        client.bottom -= none.bottom - none.top;
        EXPECT_EQ(client.right, form::twips_to_pixels(form::client_width, static_cast<int>(dpi)));
        EXPECT_EQ(client.bottom, form::twips_to_pixels(form::client_height, static_cast<int>(dpi)));
    }
    EXPECT_EQ(frame_style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
}

}  // namespace
}  // namespace plessard::win32
