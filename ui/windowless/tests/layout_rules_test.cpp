// The horizontal bar's layout, icon placement and the text alignment flags.
#include <gtest/gtest.h>

#include "ui/controls/control_rules.h"
#include "ui/windowless/bar_layout.h"
#include "ui/windowless/paint_rules.h"

namespace dravolt::windowless {
namespace {

namespace dt = controls::dt;

std::vector<int> Lefts(const std::vector<std::optional<IntRect>>& placed, int origin)
{
    std::vector<int> lefts;
    for (const auto& r : placed)
        lefts.push_back(r ? r->left - origin : -1);
    return lefts;
}

TEST(BarLayout, FixedChildrenFollowEachOtherWithPadding)
{
    const IntRect inner{2, 2, 302, 30};
    const auto placed = LayoutBar(inner, 2, {{true, 70}, {true, 85}, {true, 70}, {true, 70}});
    EXPECT_EQ(Lefts(placed, 2), (std::vector<int>{0, 72, 159, 231}));
    EXPECT_EQ(placed[1]->Width(), 85);
    EXPECT_EQ(placed[3]->top, 2);
    EXPECT_EQ(placed[3]->bottom, 30);
}

TEST(BarLayout, AutomaticChildrenShareTheRestAndHiddenOnesTakeNoRoom)
{
    const IntRect inner{0, 0, 300, 28};
    // 300 - (50 + 2) - 2 - 2 = 244 for two automatic children: 122 each.
    auto placed = LayoutBar(inner, 2, {{true, 0}, {true, 50}, {false, 40}, {true, 0}});
    EXPECT_EQ(placed[0], (IntRect{0, 0, 122, 28}));
    EXPECT_EQ(placed[1], (IntRect{124, 0, 174, 28}));
    EXPECT_FALSE(placed[2]);
    EXPECT_EQ(placed[3], (IntRect{176, 0, 300, 28})) << "the last child runs to the end";

    // An odd rest goes to the last automatic child.
    placed = LayoutBar(inner, 0, {{true, 0}, {true, 0}, {true, 0}, {true, 1}});
    EXPECT_EQ(placed[0]->Width(), 99);
    EXPECT_EQ(placed[2]->Width(), 101);

    // No room left: automatic children get nothing, never a negative width.
    placed = LayoutBar({0, 0, 50, 28}, 2, {{true, 0}, {true, 60}});
    EXPECT_EQ(placed[0]->Width(), 0);
}

TEST(IconPlacement, MiddleLeftAndCentredIcons)
{
    const IntRect inset{2, 2, 2, 2};
    struct Case { int width, height, w, h, alignment; IconPlacement expected; };
    const Case cases[] = {
        // 66 x 32 inner area, 32 x 32 icon at the left: the whole image.
        {70, 36, 32, 32, 16, {{2, 2, 34, 34}, {0, 0, 32, 32}}},
        {70, 36, 16, 16, 16, {{2, 10, 18, 26}, {0, 0, 16, 16}}},
        {32, 28, 16, 16, 32, {{8, 6, 24, 22}, {0, 0, 16, 16}}},
        // Larger than the room: cut, centred for 32, from the left for 16.
        {32, 28, 32, 32, 32, {{2, 2, 30, 26}, {2, 4, 30, 28}}},
        {32, 28, 32, 32, 16, {{2, 2, 30, 26}, {0, 4, 28, 28}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceIcon(c.width, c.height, inset, c.w, c.h, c.alignment), c.expected)
            << c.width << "x" << c.height << " icon " << c.w << " align " << c.alignment;
}

TEST(TextAlignment, FlagsByAlignment)
{
    const unsigned line = dt::kSingleLine | dt::kEndEllipsis;
    struct Case { int alignment; unsigned flags; };
    const Case cases[] = {
        {1, line}, {2, line | dt::kCenter}, {4, line | dt::kRight},
        {16, line | dt::kVCenter}, {32, line | dt::kCenter | dt::kVCenter},
        {64, line | dt::kRight | dt::kVCenter}, {256, line | dt::kBottom},
        {512, line | dt::kCenter | dt::kBottom}, {1024, line | dt::kRight | dt::kBottom},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlignmentTextFlags(c.alignment), c.flags) << c.alignment;
}

TEST(WheelEvents, DeltaIsSignedAndCountsInFortieths)
{
    auto wheel = [](int delta) { return static_cast<std::uint64_t>(static_cast<std::uint16_t>(delta)) << 16 | 0x8; };
    struct Case { int delta, downwards, steps; };
    const Case cases[] = {{120, 0, 3}, {-120, 1, 3}, {30, 0, 1}, {-41, 1, 2}, {0, 0, 0}};
    for (const Case& c : cases) {
        const WheelEvents e = WheelToEvents(wheel(c.delta));
        EXPECT_EQ(e.downwards, c.downwards) << c.delta;
        EXPECT_EQ(e.steps, c.steps) << c.delta;
    }
}

}  // namespace
}  // namespace dravolt::windowless
