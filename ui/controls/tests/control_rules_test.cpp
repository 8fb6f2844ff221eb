// The control base's text flags and border lines, the skinned button's
// pictures and the link label's target (with the escaping of a mail
// address) and colours.
#include <gtest/gtest.h>

#include <string>

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
    struct Case {
        const wchar_t* displayed;
        const wchar_t* target;
        const wchar_t* opened;
    };
    const Case cases[] = {
        // An address opens the mail whatever the link target holds.
        {L"help@example.org", L"https://example.org",
         L"mailto:help@example.org?subject=feedback&Body=content"},
        {L"support@dravolt.example", L"",
         L"mailto:support@dravolt.example?subject=feedback&Body=content"},
        {L"a b?c@x", L"", L"mailto:a%20b%3Fc@x?subject=feedback&Body=content"},
        {L"Our web site", L"https://example.org", L"https://example.org"},
        {L"https://www.dravolt.example/", L"https://www.dravolt.example/", L"https://www.dravolt.example/"},
        {L"", L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinkTarget(c.displayed, c.target), c.opened) << c.displayed;
}

TEST(ControlRules, MailAddressCharactersThatWouldBreakTheLinkArePercentEncoded)
{
    struct Case {
        std::wstring address;
        const wchar_t* encoded;
    };
    const Case cases[] = {
        {L"first.last+tag@host-1.example", L"first.last+tag@host-1.example"},
        {L"o'neil!$*(),;:~_@x.example", L"o'neil!$*(),;:~_@x.example"},
        // Would start the header part or a second header of its own.
        {L"a@x.example?bcc=all@y.example", L"a@x.example%3Fbcc%3Dall@y.example"},
        {L"a@x.example&subject=spam", L"a@x.example%26subject%3Dspam"},
        {L"a@x.example#frag", L"a@x.example%23frag"},
        {L"100%@x.example", L"100%25@x.example"},
        {L"a b@x.example", L"a%20b@x.example"},
        {L"a/b\\c\"<>@x.example", L"a%2Fb%5Cc%22%3C%3E@x.example"},
        {L"a\r\nb@x.example", L"a%0D%0Ab@x.example"},
        // Non-ASCII as the escapes of its UTF-8 bytes, pairs joined.
        {L"j\u00fcrgen@x.example", L"j%C3%BCrgen@x.example"},
        {L"\u20ac@x.example", L"%E2%82%AC@x.example"},
        {std::wstring{L'a', static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00), L'@'},
         L"a%F0%9F%98%80@"},
        // A lone surrogate is no character: the replacement character.
        {std::wstring{static_cast<wchar_t>(0xDC00), L'@'}, L"%EF%BF%BD@"},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentEncodeMailAddress(c.address), c.encoded) << c.encoded;
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
