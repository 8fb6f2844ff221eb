// The kept-distance layout for each kind of child, growing and shrinking.
#include <gtest/gtest.h>

#include "ui/main/window_layout.h"

namespace dravolt::mainui {
namespace {

struct Case {
    Anchor anchor;
    Box expected;  // after the 800 x 600 client grew to 1000 x 700
};

TEST(WindowLayout, EachChildKeepsItsDistancesByRole)
{
    const Box child{100, 50, 700, 500};  // 100 from the right, 100 from the bottom
    const KeptPlace kept = MeasurePlace(child, 800, 600);
    const Case cases[] = {
        {Anchor::kLeftColumn, {100, 50, 700, 600}},
        {Anchor::kTopStrip, {100, 50, 900, 500}},
        {Anchor::kFill, {100, 50, 900, 600}},
        {Anchor::kBottomStrip, {100, 150, 900, 600}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceChild(kept, c.anchor, 1000, 700), c.expected) << static_cast<int>(c.anchor);
    for (const Case& c : cases)
        EXPECT_EQ(PlaceChild(kept, c.anchor, 800, 600).Width(), child.Width()) << static_cast<int>(c.anchor);
}

TEST(WindowLayout, ATinyClientNeverTurnsAChildInsideOut)
{
    const KeptPlace kept = MeasurePlace({100, 50, 700, 500}, 800, 600);
    const Box box = PlaceChild(kept, Anchor::kFill, 150, 80);
    EXPECT_GE(box.Width(), 0);
    EXPECT_GE(box.Height(), 0);
    const Box strip = PlaceChild(kept, Anchor::kBottomStrip, 150, 80);
    EXPECT_EQ(strip.Height(), 450);  // keeps its height, moves up
}

}  // namespace
}  // namespace dravolt::mainui
