#include "app/page_size_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace dravolt {
namespace {

struct LineCase {
    const wchar_t* line;
    bool valid;
    const wchar_t* name = L"";
    float width = 0;
    float height = 0;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << testing::PrintToString(std::wstring(c.line)); }

class PageSizeLine : public testing::TestWithParam<LineCase> {};

TEST_P(PageSizeLine, ReadsAsDescribed)
{
    const LineCase& c = GetParam();
    const auto entry = ParsePageSizeLine(c.line);
    ASSERT_EQ(entry.has_value(), c.valid) << testing::PrintToString(std::wstring(c.line));
    if (!c.valid)
        return;
    EXPECT_EQ(entry->name, c.name);
    EXPECT_EQ(entry->size.width, c.width);
    EXPECT_EQ(entry->size.height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Lines, PageSizeLine, testing::Values(
    LineCase{L"A4[210,297]", true, L"A4", 210.0f, 297.0f},
    LineCase{L"A4 [210,297]", true, L"A4 ", 210.0f, 297.0f},              // name kept untrimmed
    LineCase{L"  Card[85.6, 54]", true, L"  Card", 85.6f, 54.0f},         // space after comma
    LineCase{L"[100,100]", true, L"", 100.0f, 100.0f},                    // empty name allowed
    LineCase{L"Big[2.1e2,2.97e2]", true, L"Big", 210.0f, 297.0f},         // exponent
    LineCase{L"A5[148,210] portrait, ISO", true, L"A5", 148.0f, 210.0f},  // text after ] ignored
    LineCase{L"Odd[148mm,210mm]", true, L"Odd", 148.0f, 210.0f},          // stops at first non-digit
    LineCase{L"Tiny[10,10]", false},                                      // not strictly > 10
    LineCase{L"Thin[10.0001,200]", true, L"Thin", 10.0001f, 200.0f},
    LineCase{L"Narrow[10,200]", false},
    LineCase{L"Comma[210,5,297]", false},                                 // splits at first comma: 210 × 5
    LineCase{L"Backwards]210,297[", false},                               // no ] after the [
    LineCase{L"NoComma[210 297]", false},
    LineCase{L"Open[210,297", false},
    LineCase{L"; a comment line", false},
    LineCase{L"Words[wide,high]", false},                                 // no number reads as 0
    LineCase{L"Negative[-210,297]", false}));

TEST(PageSizeTable, FirstDefinitionWinsAndKeepsItsPlace)
{
    CPageSizeTable table;
    ASSERT_TRUE(table.LoadText("Letter[215.9,279.4]\r\nA4[210,297]\r\nLetter[1000,1000]\r\n"));
    EXPECT_EQ(table.Names(), (std::vector<std::wstring>{L"Letter", L"A4"}));
    const auto letter = table.Lookup(L"Letter");
    ASSERT_TRUE(letter);
    EXPECT_EQ(letter->width, 215.9f);
    EXPECT_EQ(letter->height, 279.4f);
    EXPECT_FALSE(table.Lookup(L"letter")) << "names compare case-sensitively";
}

TEST(PageSizeTable, LoadResult)
{
    struct Case {
        const char* text;
        bool loads;
        size_t entries;
    };
    const Case cases[] = {
        {"", false, 0},
        {"\n\n\r\n", false, 0},
        {"# sizes\nBad[5,5]\nWorse[210;297]\n", false, 0},
        {"Only[100,200]", true, 1},             // no final line end
        {"A4[210,297]\nA4[1,1]\nA4[300,300]\n", true, 1},
    };
    for (const Case& c : cases) {
        CPageSizeTable table;
        EXPECT_EQ(table.LoadText(c.text), c.loads) << c.text;
        EXPECT_EQ(table.Names().size(), c.entries) << c.text;
    }
}

TEST(PageSizeTable, DuplicateOnlyFileStillCountsAsValid)
{
    CPageSizeTable table;
    ASSERT_TRUE(table.LoadText("A4[210,297]\n"));
    EXPECT_TRUE(table.LoadText("A4[300,300]\n"));
    EXPECT_EQ(table.Lookup(L"A4")->width, 210.0f);
}

TEST(PageSizeTable, BytesWidenOneForOne)
{
    CPageSizeTable table;
    ASSERT_TRUE(table.LoadText("Gr\xf6\xdf" "e[100,100]\n"));
    EXPECT_EQ(table.Names().at(0), L"Gr\u00f6\u00dfe");
}

TEST(PageSizeTable, LoadsFileAndRefusesMissingOne)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("dravolt_page_sizes_test-" + std::to_string(std::random_device{}()) + ".txt");
    std::ofstream(path, std::ios::binary) << "A3[297,420]\r\nA4[210,297]\r\n";
    CPageSizeTable table;
    EXPECT_TRUE(table.Load(path));
    EXPECT_EQ(table.Names().size(), 2u);
    std::filesystem::remove(path);
    EXPECT_FALSE(CPageSizeTable().Load(path));
}

}  // namespace
}  // namespace dravolt
