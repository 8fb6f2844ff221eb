// What the About box's links open, and the address escaping of the mail link.
#include <gtest/gtest.h>

#include "ui/main/about/feedback_mail.h"

namespace dravolt::about {
namespace {

TEST(FeedbackMail, PlainAddressKeepsTheExactMailLink)
{
    EXPECT_EQ(FeedbackMailTarget(L"support@dravolt.example"),
              L"mailto:support@dravolt.example?subject=feedback&Body=content");
}

TEST(FeedbackMail, CharactersThatWouldBreakTheLinkArePercentEncoded)
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

TEST(FeedbackMail, AnAddressOpensTheMailAnythingElseTheLink)
{
    EXPECT_EQ(AboutLinkTarget(L"support@dravolt.example", L"https://www.dravolt.example/"),
              L"mailto:support@dravolt.example?subject=feedback&Body=content")
        << "whatever the link target holds";
    EXPECT_EQ(AboutLinkTarget(L"https://www.dravolt.example/", L"https://www.dravolt.example/"),
              L"https://www.dravolt.example/");
    EXPECT_EQ(AboutLinkTarget(L"a b?c@x", L""), L"mailto:a%20b%3Fc@x?subject=feedback&Body=content");
    EXPECT_EQ(AboutLinkTarget(L"", L""), L"");
}

}  // namespace
}  // namespace dravolt::about
