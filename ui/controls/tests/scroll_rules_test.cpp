// Where scroll bar requests and wheel messages move the scrollable panel.
#include <gtest/gtest.h>

#include "framework/wheel_delta.h"
#include "ui/controls/scroll_rules.h"

namespace dravolt::controls {
namespace {

TEST(ScrollRules, RequestsMoveByLinePageOrToTheEnds)
{
    const ScrollAxis axis{1000, 300, 20};
    struct Case { int code, expected; };
    const Case cases[] = {
        {sb::kLineUp, 80}, {sb::kLineDown, 120}, {sb::kPageUp, -200}, {sb::kPageDown, 400},
        {sb::kThumbTrack, 555}, {sb::kTop, 0}, {sb::kBottom, 1000},
        {sb::kEndScroll, 100}, {sb::kThumbPosition, 100}, {42, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrolledPosition(c.code, 100, 555, axis), c.expected) << "code " << c.code;
}

TEST(ScrollRules, AxesAndBarVisibility)
{
    const ScrollMetrics m{800, 600, 200, 150, 10, 12};
    EXPECT_EQ(Horizontal(m).content, 800);
    EXPECT_EQ(Vertical(m).line, 12);
    EXPECT_EQ(Vertical(m).page, 150);
    EXPECT_TRUE(BarShown(801, 800));
    EXPECT_FALSE(BarShown(800, 800));
}

// wParam of WM_MOUSEWHEEL with a delta in its high word.
std::uint64_t Wheel(int delta) { return static_cast<std::uint64_t>(static_cast<std::uint16_t>(delta)) << 16; }

TEST(ScrollRules, EveryWheelMessageScrollsOneLineBySign)
{
    struct Case { int delta, expected; };
    const Case cases[] = {{120, 88}, {30, 88}, {1, 88}, {240, 88},
                          {-120, 112}, {-30, 112}, {-1, 112}, {0, 100}};
    for (const Case& c : cases)
        EXPECT_EQ(WheelPosition(100, 12, WheelDirection(Wheel(c.delta))), c.expected) << "delta " << c.delta;
}

}  // namespace
}  // namespace dravolt::controls
