// The image description string: what the callers write, and what a
// careless or hostile one may write.
#include "brennix/modify_string.h"

#include <gtest/gtest.h>

namespace dravolt::brennix {
namespace {

TEST(ImageModify, ReadsTheCallersFormat)
{
    const auto m = ParseImageModify(L"dest='2,3,18,19' source='0,0,16,16' fade='64'");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->dest, (IntRect{2, 3, 18, 19}));
    EXPECT_EQ(m->source, (IntRect{0, 0, 16, 16}));
    EXPECT_EQ(m->fade, 64);
}

TEST(ImageModify, AcceptsOrderSpacingAndUnknownAttributes)
{
    struct Case { const wchar_t* text; ImageModify expected; };
    const Case cases[] = {
        {L"", {}},
        {L"   ", {}},
        {L"fade='10'   dest=\"-1, 2 ,3,4\"", {IntRect{-1, 2, 3, 4}, std::nullopt, 10}},
        {L"corner='1,1,1,1' source='5,6,7,8'", {std::nullopt, IntRect{5, 6, 7, 8}, 255}},
        {L"fade='300'", {std::nullopt, std::nullopt, 255}},
        {L"fade='-5'", {std::nullopt, std::nullopt, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseImageModify(c.text), c.expected) << c.text;
}

TEST(ImageModify, RefusesMalformedStrings)
{
    const wchar_t* cases[] = {
        L"dest", L"dest=", L"dest=1,2,3,4", L"dest='1,2,3,4", L"dest='1,2,3'",
        L"dest='1,2,3,4,5'", L"dest='1,,3,4'", L"dest='a,b,c,d'", L"fade=''",
        L"fade='12x'", L"dest='99999999999999999999,0,1,1'", L"source='0,0,16777217,1'",
        L"='1'", L"fade='1' junk",
    };
    for (const wchar_t* text : cases)
        EXPECT_FALSE(ParseImageModify(text)) << text;
}

}  // namespace
}  // namespace dravolt::brennix
