// The page viewer's fit, zoom and panning arithmetic.
#include <gtest/gtest.h>

#include <vector>

#include "ui/main/viewer_geometry.h"

namespace dravolt::mainui {
namespace {

TEST(ViewerZoom, StepsStopAtTheLimitsAndShowTruncatedPercent)
{
    std::vector<int> shown;
    float zoom = 1.0f;
    for (int i = 0; i < 8; ++i)
        shown.push_back(ZoomPercent(zoom = SteppedZoom(zoom, -1)));
    EXPECT_EQ(shown, (std::vector<int>{85, 70, 55, 40, 25, 10, 10, 10}));

    shown.clear();
    zoom = 1.0f;
    for (int i = 0; i < 4; ++i)
        shown.push_back(ZoomPercent(zoom = SteppedZoom(zoom, +1)));
    EXPECT_EQ(shown, (std::vector<int>{114, 129, 144, 159}));
    for (int i = 0; i < 200; ++i)
        zoom = SteppedZoom(zoom, +1);
    EXPECT_EQ(zoom, kMaximumZoom);

    EXPECT_EQ(ClampZoom(0.0f), kMinimumZoom);
    EXPECT_EQ(ClampZoom(-3.0f), kMinimumZoom);
    EXPECT_EQ(ClampZoom(100.0f), kMaximumZoom);
    EXPECT_EQ(ClampZoom(0.0f / 0.0f), kMinimumZoom);
}

TEST(ViewerFit, PicturesAreScaledToTheTighterSideAndCentred)
{
    struct Case {
        Extent image, client;
        Rect expected;
    };
    const Case cases[] = {
        {{2480, 3508}, {800, 600}, {188, 0, 424, 600}},    // A4 portrait in a wide view
        {{3508, 2480}, {800, 600}, {0, 17, 800, 566}},     // landscape
        {{10, 10}, {800, 600}, {100, 0, 600, 600}},        // tiny pictures grow to fit
        {{1, 5000}, {800, 600}, {400, 0, 0, 600}},         // a sliver stays a sliver
        {{100, 100}, {0, 600}, {}},                        // no client: nothing drawn
        {{0, 0}, {800, 600}, {}},                          // no picture
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FittedPlacement(c.image, c.client), c.expected) << c.image.width << "x" << c.image.height;
        const Rect r = FittedPlacement(c.image, c.client);
        EXPECT_LE(r.left + r.width, c.client.width);
        EXPECT_LE(r.top + r.height, c.client.height);
    }
}

TEST(ViewerZoomedView, CentresSmallPicturesAndCopiesOnlyTheScrolledPart)
{
    struct Case {
        Extent image;
        float zoom;
        Point scroll;
        ViewCopy expected;
    };
    const Extent client{400, 300};
    const Case cases[] = {
        {{100, 50}, 1.0f, {0, 0}, {{0, 0, 100, 50}, {150, 125, 100, 50}}},            // smaller: centred
        {{1000, 1000}, 2.0f, {200, 100}, {{100, 50, 200, 150}, {0, 0, 400, 300}}},    // scrolled part
        {{1000, 100}, 1.0f, {300, 40}, {{300, 0, 400, 100}, {0, 100, 400, 100}}},     // wide only
        {{1000, 1000}, 1.0f, {5000, 5000}, {{600, 700, 400, 300}, {0, 0, 400, 300}}}, // stale position
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZoomedPlacement(c.image, c.zoom, client, c.scroll), c.expected) << c.zoom;
    EXPECT_EQ(ZoomedContent({1001, 333}, 1.5f), (Extent{1501, 499}));
}

TEST(ViewerScroll, ZoomNudgesByHalfTheGrowthAndPanningFollowsTheMouseWithinRange)
{
    EXPECT_EQ(ZoomedScroll({10, 20}, {1000, 400}, 1.0f, 2.0f), (Point{510, 220}));
    EXPECT_EQ(ZoomedScroll({10, 20}, {1000, 400}, 2.0f, 1.0f), (Point{510, 220}));

    const Extent content{1000, 800}, client{400, 300};
    EXPECT_EQ(PannedScroll({100, 100}, {50, 50}, {40, 70}, content, client), (Point{110, 80}));
    EXPECT_EQ(PannedScroll({590, 5}, {50, 50}, {0, 100}, content, client), (Point{600, 0}));
    EXPECT_EQ(PannedScroll({0, 0}, {0, 0}, {-9, -9}, {100, 100}, client), (Point{0, 0}));
}

}  // namespace
}  // namespace dravolt::mainui
