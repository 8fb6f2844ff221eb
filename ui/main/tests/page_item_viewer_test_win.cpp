// The page viewer on a real window: where the picture lands when fitted and
// zoomed, the zoom limits, and the empty state.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/controls/tests/test_windows_win.h"
#include "ui/main/page_item_viewer_win.h"

namespace dravolt {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGrey = 0x808080;

imaging::Image RedPicture(int width, int height)
{
    imaging::Image image = imaging::Image::Create(width, height, 24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.Row(y) + x * 3;
            p[0] = 0, p[1] = 0, p[2] = 255;  // blue, green, red
        }
    return image;
}

// Red in the top half, blue in the bottom half: which rows are shown tells
// which part of the page is drawn where.
imaging::Image RedOverBluePicture(int width, int height)
{
    imaging::Image image = RedPicture(width, height);
    for (int y = height / 2; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.Row(y) + x * 3;
            p[0] = 255, p[2] = 0;
        }
    return image;
}

struct Fixture {
    controls::test::RecordingParent parent;
    CPageItemViewer viewer;
    controls::test::Canvas canvas{400, 300};
    Fixture() { viewer.Create(parent.Handle(), 1007, WS_CHILD | WS_VISIBLE, {0, 0, 400, 300}); }
    void Paint() { viewer.DrawAll(canvas.Dc()); }
    int RedIn(const RECT& r) const { return canvas.Count(kRed, r); }
};

TEST(PageItemViewer, FitsTheWholePictureCentredThenZoomsCentredWithinTheLimits)
{
    Fixture f;
    f.viewer.ShowImage(RedPicture(200, 100));
    f.Paint();
    // Fitted: scale 2, 400 x 200 at (0, 50); grey bands above and below.
    EXPECT_TRUE(f.viewer.IsFitted());
    EXPECT_FLOAT_EQ(f.viewer.Zoom(), 2.0f);
    EXPECT_EQ(f.RedIn({0, 50, 400, 250}), 400 * 200);
    EXPECT_EQ(f.canvas.At(200, 20), kGrey);
    EXPECT_EQ(f.canvas.At(200, 280), kGrey);
    EXPECT_FALSE(f.viewer.HorizontalBarShown());

    // Actual size: 200 x 100 centred, nothing to scroll.
    f.viewer.SetZoom(1.0f);
    f.Paint();
    EXPECT_FALSE(f.viewer.IsFitted());
    EXPECT_EQ(f.RedIn({100, 100, 300, 200}), 200 * 100);
    EXPECT_EQ(f.RedIn({0, 0, 400, 300}), 200 * 100);
    EXPECT_FALSE(f.viewer.HorizontalBarShown());

    // Larger than the window: the bars show and the picture fills the view.
    f.viewer.SetZoom(100.0f);
    EXPECT_FLOAT_EQ(f.viewer.Zoom(), 15.0f);
    EXPECT_TRUE(f.viewer.HorizontalBarShown());
    EXPECT_TRUE(f.viewer.VerticalBarShown());
    f.viewer.SetZoom(0.0f);
    EXPECT_FLOAT_EQ(f.viewer.Zoom(), 0.1f);
}

// The page is drawn from its own rows, which keep the top row first: the
// top stays at the top whether the page is stretched, shown at its size or
// averaged down.
TEST(PageItemViewer, KeepsThePageTopUpInEveryWayOfDrawingIt)
{
    constexpr std::uint32_t kBlue = 0x0000FF;
    struct Case {
        const char* name;
        int width, height;
        float zoom;  // 0: fitted
        RECT red, blue;
    };
    const Case cases[] = {
        {"stretched to fit", 200, 100, 0.0f, {0, 50, 400, 150}, {0, 150, 400, 250}},
        {"actual size", 200, 100, 1.0f, {100, 100, 300, 150}, {100, 150, 300, 200}},
        {"averaged to fit", 800, 400, 0.0f, {0, 50, 400, 150}, {0, 150, 400, 250}},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.viewer.ShowImage(RedOverBluePicture(c.width, c.height));
        if (c.zoom > 0)
            f.viewer.SetZoom(c.zoom);
        f.Paint();
        const auto area = [](const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); };
        EXPECT_EQ(f.RedIn(c.red), area(c.red)) << c.name;
        EXPECT_EQ(f.canvas.Count(kBlue, c.blue), area(c.blue)) << c.name;
    }
}

// Zoomed in, the rows shown are the rows scrolled to: the top of the page
// at the top of the bar and its bottom at the bottom, at actual size and
// stretched.
TEST(PageItemViewer, ShowsTheRowsScrolledToWhenZoomedIn)
{
    constexpr std::uint32_t kBlue = 0x0000FF;
    const imaging::Image picture = RedOverBluePicture(200, 600);
    for (const float zoom : {1.0f, 1.5f}) {
        Fixture f;
        f.viewer.ShowImage(picture);
        f.viewer.SetZoom(zoom);
        ASSERT_TRUE(f.viewer.VerticalBarShown()) << zoom;
        const int shown = static_cast<int>(200 * zoom) * 300;  // the window's 300 rows of the page
        SendMessageW(f.viewer.Handle(), WM_VSCROLL, SB_TOP, 0);  // a zoom keeps the middle in view
        f.Paint();
        EXPECT_EQ(f.RedIn({0, 0, 400, 300}), shown) << "top, zoom " << zoom;
        EXPECT_EQ(f.canvas.Count(kBlue, {0, 0, 400, 300}), 0) << "top, zoom " << zoom;
        SendMessageW(f.viewer.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
        f.Paint();
        EXPECT_EQ(f.canvas.Count(kBlue, {0, 0, 400, 300}), shown) << "bottom, zoom " << zoom;
        EXPECT_EQ(f.RedIn({0, 0, 400, 300}), 0) << "bottom, zoom " << zoom;
    }
}

// A page larger than the window is averaged down once for the fitted view,
// not stretched by dropping pixels on every paint; a resize fits it anew.
TEST(PageItemViewer, FitsALargePictureByAveragingAndAgainAfterAResize)
{
    Fixture f;
    imaging::Image stripes = RedPicture(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 1; x < 800; x += 2)
            std::fill_n(stripes.Row(y) + x * 3, 3, std::uint8_t{0});
    f.viewer.ShowImage(stripes);
    constexpr std::uint32_t kHalfRed = 0x800000;
    for (int pass = 0; pass < 2; ++pass) {  // the second paint uses the kept copy
        f.Paint();
        EXPECT_EQ(f.canvas.Count(kHalfRed, {0, 0, 400, 300}), 400 * 300) << "pass " << pass;
    }
    MoveWindow(f.viewer.Handle(), 0, 0, 200, 300, FALSE);
    f.Paint();
    // 800 x 600 into 200 x 300: scale 1/4, 200 x 150 at (0, 75).
    EXPECT_EQ(f.canvas.Count(kHalfRed, {0, 75, 200, 225}), 200 * 150);
    EXPECT_EQ(f.canvas.Count(kGrey, {0, 0, 200, 75}), 200 * 75);
}

TEST(PageItemViewer, WithoutAPictureDrawsNoPicture)
{
    Fixture f;
    f.viewer.ShowImage(RedPicture(50, 50));
    f.viewer.ShowPage(nullptr);
    f.Paint();
    EXPECT_EQ(f.RedIn({0, 0, 400, 300}), 0);
    EXPECT_EQ(f.viewer.ControlText().Compare(L"No page to preview"), 0);
}

}  // namespace
}  // namespace dravolt
