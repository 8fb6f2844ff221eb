// The label markup: styles, links and entities.
#include "brennix/html_text.h"

#include <gtest/gtest.h>

namespace dravolt::brennix {
namespace {

TEST(HtmlText, SplitsIntoStyledRuns)
{
    const auto runs = ParseHtmlText(L"Mail <a>me&amp;you</a> <b>now</b><x>!");
    const std::vector<HtmlRun> expected = {
        {L"Mail ", false, false, false}, {L"me&you", false, false, true},
        {L" ", false, false, false}, {L"now", true, false, false}, {L"!", false, false, false}};
    EXPECT_EQ(runs, expected);
}

TEST(HtmlText, KeepsUnclosedBracketsAndUnknownEntitiesAsText)
{
    EXPECT_EQ(ParseHtmlText(L"a < b &nbsp; &lt;"), (std::vector<HtmlRun>{{L"a < b &nbsp; <"}}));
    EXPECT_TRUE(ParseHtmlText(L"<b></b>").empty());
}

}  // namespace
}  // namespace dravolt::brennix
