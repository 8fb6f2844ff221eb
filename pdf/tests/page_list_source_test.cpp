// The page list as the publish run reads it: each page's file and the size
// to lay it out at.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/page_list.h"
#include "document/tests/page_fixtures.h"
#include "imaging/decode.h"
#include "pdf/page_list_source.h"

namespace dravolt {
namespace {

struct PageListSourceTest : testing::Test {
    test::PageFolder folder;
    test::VectorRows rows;
    test::RecordingOwner owner;
    CPageList pages{rows, owner};
    CPageListSource source{pages};
};

TEST_F(PageListSourceTest, ATurnedPageIsWrittenAndLaidOutTurned)
{
    ASSERT_EQ(pages.AddPage(folder.Write(L"page0001", test::ColourPage(64, 48))), 0);
    pages.SelectPage(0);
    pages.PageAt(0)->Rotate(true);
    const auto page = source.PreparePage(0);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->width, 48);
    EXPECT_EQ(page->height, 64);
    EXPECT_EQ(imaging::DecodeFile(std::filesystem::path(page->path)).Width(), 48) << "the file holds the turn";
    EXPECT_FALSE(source.PreparePage(1));
}

// An edit that could not be written must not lend its size to the file,
// which still holds the page unturned (or nothing readable).
TEST_F(PageListSourceTest, AnUnwrittenTurnTakesTheSizeFromTheFile)
{
    const std::wstring path = folder.Write(L"page0001", test::ColourPage(64, 48));
    ASSERT_EQ(pages.AddPage(path), 0);
    pages.SelectPage(0);
    pages.PageAt(0)->Rotate(true);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);  // the write must fail
    const auto page = source.PreparePage(0);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->width, 0) << "nothing readable: no page is laid out";
    EXPECT_EQ(page->height, 0);
}

}  // namespace
}  // namespace dravolt
