#include "quorlet/pdf_error.h"
#include "quorlet/pdf_syntax.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorlet {
namespace {

TEST(PdfSyntax, NumbersHaveNoExponentAndAtMostFourDecimals)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"},           {595, "595"},         {-12, "-12"},       {0.5, "0.5"},
        {28.346457, "28.3465"}, {1e-7, "0"},      {-1e-7, "0"},       {123456789, "123456789"},
        {0.00005, "0.0001"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(PdfNumber(value), text) << value;
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e12})
        EXPECT_THROW(PdfNumber(bad), PdfError) << bad;
}

TEST(PdfSyntax, LiteralStringsEscapeWhatWouldBreakThem)
{
    EXPECT_EQ(PdfLiteralString("plain"), "(plain)");
    EXPECT_EQ(PdfLiteralString("a(b)c\\"), "(a\\(b\\)c\\\\)");
    EXPECT_EQ(PdfLiteralString("\n\xE9"), "(\\012\\351)");
}

TEST(PdfSyntax, DatesAndHexStrings)
{
    EXPECT_EQ(PdfDate(0), "D:19700101000000Z");
    EXPECT_EQ(PdfDate(1700000000), "D:20231114221320Z");
    EXPECT_EQ(PdfHexString("\x01\xAB"), "<01AB>");
}

}  // namespace
}  // namespace quorlet
