#include "document/list_box_layout.h"

#include <gtest/gtest.h>

namespace dravolt {
namespace {

TEST(ListBoxLayout, RowSplitsIntoPictureAndCaption)
{
    const Box row{0, 240, 130, 360};
    EXPECT_EQ(PictureArea(row), (Box{5, 245, 125, 340}));
    EXPECT_EQ(CaptionArea(row), (Box{0, 340, 130, 360}));
    EXPECT_EQ(ThumbnailWidthFor(130), PictureArea(row).Width());
    EXPECT_EQ(kThumbnailHeight, PictureArea(row).Height());
}

TEST(ListBoxLayout, ThumbnailFitsItsAreaCentredOnTheSpareAxis)
{
    const Box area{5, 5, 125, 100};  // 120 x 95
    const struct {
        int width, height;
        Box want;
    } cases[] = {
        {120, 95, {5, 5, 125, 100}},    // exact
        {60, 95, {35, 5, 95, 100}},     // tall: moved right
        {240, 95, {5, 28, 125, 75}},    // wide: moved down
        {12, 19, {35, 5, 95, 100}},     // small: scaled up to the area
        {0, 10, {5, 5, 5, 5}},          // no thumbnail: nothing drawn
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(FitThumbnail(area, c.width, c.height), c.want);
    }
}

TEST(ListBoxLayout, DragStartsOutsideATwentyPixelSquare)
{
    const Box box = DragStartBox(50, 60);
    EXPECT_EQ(box.Width(), 20);
    EXPECT_TRUE(box.Contains(59, 69));
    EXPECT_FALSE(box.Contains(60, 60));
    EXPECT_FALSE(box.Contains(50, 39));
}

TEST(ListBoxLayout, MarkerSitsAtTheTopOrNearTheBottomOfTheTarget)
{
    const Box row{0, 120, 130, 240};
    EXPECT_EQ(InsertionMarker(row, false), (Marker{2, 128, 124}));   // dragged upwards
    EXPECT_EQ(InsertionMarker(row, true), (Marker{2, 128, 222}));    // dragged downwards
}

}  // namespace
}  // namespace dravolt
