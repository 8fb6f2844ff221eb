// The control base's text flags and border lines, the skinned button's
// pictures and the link label's target and colours.
#include <gtest/gtest.h>

#include "ui/controls/control_rules.h"

namespace dravolt::controls {
namespace {

TEST(ControlRules, TextStyleGivesDrawTextFlags)
{
    struct Case { unsigned style, control, label; };
    const Case cases[] = {
        {12, dt::kCenter | dt::kVCenter | dt::kSingleLine, dt::kCenter | dt::kVCenter | dt::kSingleLine},
        {9, dt::kWordBreak | dt::kVCenter | dt::kSingleLine, dt::kVCenter | dt::kSingleLine},
        {1, dt::kWordBreak, 0},
        {0x21, 0, 0},                         // plain wins over wrap
        {0x23, dt::kRight, dt::kRight},       // right wins over plain and wrap
        {0x10, dt::kBottom | dt::kSingleLine, dt::kBottom | dt::kSingleLine},
        {0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ControlTextFlags(c.style), c.control) << "style " << c.style;
        EXPECT_EQ(LabelTextFlags(c.style), c.label) << "style " << c.style;
    }
}

TEST(ControlRules, BorderDrawsOneLineForTheFirstSidePresent)
{
    const IntRect client{0, 0, 40, 20};
    struct Case { unsigned sides; IntRect line; };
    const Case cases[] = {
        {1, {0, 0, 40, 0}}, {5, {0, 0, 40, 0}},   // top and bottom: only the top
        {2, {39, 0, 39, 20}}, {6, {39, 0, 39, 20}},
        {4, {0, 19, 40, 19}}, {12, {0, 19, 40, 19}},
        {8, {0, 0, 0, 20}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BorderLine(client, c.sides), c.line) << "sides " << c.sides;
    EXPECT_FALSE(BorderLine(client, 0));
}

TEST(ControlRules, ImageButtonPictureFollowsItsState)
{
    struct Case { bool disabled, pressed, hover; ButtonPicture picture; };
    const Case cases[] = {
        {false, false, false, ButtonPicture::Normal},
        {false, false, true, ButtonPicture::Hover},
        {false, true, true, ButtonPicture::Pushed},
        {false, true, false, ButtonPicture::Normal},  // dragged out with the capture kept
        {true, true, true, ButtonPicture::Disabled},
        {true, false, false, ButtonPicture::Disabled},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureFor(c.disabled, c.pressed, c.hover), c.picture)
            << c.disabled << c.pressed << c.hover;
}

TEST(ControlRules, LinkLabelOpensMailForAddressesAndItsTargetOtherwise)
{
    EXPECT_EQ(LinkTarget(L"help@example.org", L"https://example.org"),
              L"mailto:help@example.org?subject=feedback&Body=content");
    EXPECT_EQ(LinkTarget(L"Our web site", L"https://example.org"), L"https://example.org");
    EXPECT_EQ(LinkTarget(L"", L""), L"");
}

TEST(ControlRules, LinkLabelColours)
{
    EXPECT_EQ(LinkColour(false, false), 0xFF0000FFu);
    EXPECT_EQ(LinkColour(false, true), 0xFF0000FFu);
    EXPECT_EQ(LinkColour(true, false), 0xFFC80000u);
    EXPECT_EQ(LinkColour(true, true), 0xFFC0C0C0u);
    EXPECT_EQ(kDisabledTextColour, 0xFFA7A6AAu);
}

}  // namespace
}  // namespace dravolt::controls
