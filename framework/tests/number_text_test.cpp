// Field texts: what a float field shows, what it accepts, and its prompts.
#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace dravolt {
namespace {

TEST(FieldFormat, FloatUsesSixSignificantDigits)
{
    const struct { float value; const wchar_t* text; } cases[] = {
        {0.0f, L"0"},          {12.25f, L"12.25"},     {105.0f, L"105"},
        {10.1f, L"10.1"},      {-360.0f, L"-360"},     {1.0f / 3.0f, L"0.333333"},
        {1234567.0f, L"1.23457e+06"}, {1e-7f, L"1e-07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloatField(c.value), c.text) << c.text;
}

TEST(FieldFormat, DoubleUsesFifteenSignificantDigits)
{
    EXPECT_EQ(FormatDoubleField(0.1), L"0.1");
    EXPECT_EQ(FormatDoubleField(1.0 / 3.0), L"0.333333333333333");
    EXPECT_EQ(FormatDoubleField(297.0), L"297");
}

TEST(FieldParse, AcceptsDecimalNumbersWithBlanks)
{
    const struct { const wchar_t* text; double value; } cases[] = {
        {L"12.25", 12.25}, {L"  7", 7.0},   {L"7\t ", 7.0},  {L"-0.5", -0.5},
        {L"+3", 3.0},      {L".5", 0.5},    {L"5.", 5.0},    {L"1e3", 1000.0},
        {L"2.5E-1", 0.25}, {L"0", 0.0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseDoubleField(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*parsed, c.value) << c.text;
    }
}

TEST(FieldParse, RejectsEverythingElse)
{
    const wchar_t* cases[] = {
        L"",    L"   ",  L"abc",   L"12mm", L"1,5",  L"1 2",  L"-",     L".",
        L"1e",  L"e5",   L"inf",   L"nan",  L"0x10", L"--1",  L"1e999", L"12.5.1",
    };
    for (const wchar_t* text : cases)
        EXPECT_FALSE(ParseDoubleField(text).has_value()) << text;
    EXPECT_FALSE(ParseDoubleField(std::wstring(L"1\0" L"2", 3)).has_value());
}

TEST(FieldParse, FloatRejectsValuesBeyondFloatRange)
{
    EXPECT_FALSE(ParseFloatField(L"1e39").has_value());
    EXPECT_FALSE(ParseFloatField(L"-1e39").has_value());
    ASSERT_TRUE(ParseFloatField(L"3e38").has_value());
    EXPECT_FLOAT_EQ(*ParseFloatField(L"12.25"), 12.25f);
}

TEST(FieldPrompts, TextsOfTheStandardPrompts)
{
    EXPECT_STREQ(kPromptNotANumber, L"Please enter a number.");
    EXPECT_EQ(FloatRangePrompt(-360.0f, 360.0f), L"Please enter a number between -360 and 360.");
    EXPECT_EQ(FloatRangePrompt(0.0f, 148.5f), L"Please enter a number between 0 and 148.5.");
    EXPECT_EQ(DoubleRangePrompt(0.0, 0.1), L"Please enter a number between 0 and 0.1.");
}

TEST(FieldRange, BoundsAreIncluded)
{
    EXPECT_TRUE(InRange(0.0, 0.0, 105.0));
    EXPECT_TRUE(InRange(105.0, 0.0, 105.0));
    EXPECT_FALSE(InRange(105.01, 0.0, 105.0));
    EXPECT_FALSE(InRange(-0.01, 0.0, 105.0));
}

}  // namespace
}  // namespace dravolt
