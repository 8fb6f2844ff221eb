// The page list as a real list-box window over generated page files: rows
// follow the pages, Delete, rows without page, and the change message.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "document/tests/list_window_fixture_win.h"

namespace dravolt {
namespace {

struct PageListBoxTest : testing::Test {
    test::PageFolder folder;
    test::ListWindow window;
    CPageListBox& list = *window.list;
    std::vector<std::wstring> paths;

    void AddPages(int count)
    {
        for (int i = 0; i < count; ++i) {
            paths.push_back(folder.Write(L"page" + std::to_wstring(i), test::ColourPage(40, 56)));
            ASSERT_EQ(list.AddPage(paths.back()), i);
        }
    }
    std::vector<std::wstring> Keys() const
    {
        std::vector<std::wstring> keys;
        for (int row = 0; row < list.RowCount(); ++row)
            keys.push_back(list.RowKey(row));
        return keys;
    }
};

TEST_F(PageListBoxTest, AddingAppendsARowAndSelectsItAndViewingKeepsTheFile)
{
    AddPages(3);
    EXPECT_EQ(Keys(), paths);
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(list.GetSelectedPage()->GetFilePath(), paths[2]);
    EXPECT_EQ(list.AddPage(paths[0]), -1) << "a duplicate path adds no row";
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_GE(window.parent.selectionChanges, 3);

    const auto before = test::FileBytes(paths[0]);
    list.SelectPage(0);
    list.SelectPage(1);
    EXPECT_EQ(test::FileBytes(paths[0]), before) << "a page only looked at is not re-encoded";
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETITEMHEIGHT, 0, 0), 120);
    EXPECT_EQ(list.ThumbnailSize(), (imaging::Size{list.ThumbnailSize().width, 95}));
}

TEST_F(PageListBoxTest, DeleteKeyRemovesTheSelectedPageAndItsFileWithoutAPrompt)
{
    AddPages(3);
    list.SelectPage(1);
    SendMessageW(list.Handle(), WM_KEYDOWN, VK_DELETE, 0);
    SendMessageW(list.Handle(), WM_KEYUP, VK_DELETE, 0xC0000001);
    EXPECT_EQ(Keys(), (std::vector<std::wstring>{paths[0], paths[2]}));
    EXPECT_FALSE(std::filesystem::exists(paths[1]));
    EXPECT_EQ(list.SelectedRow(), 0) << "the page above becomes the selected page";

    SendMessageW(list.Handle(), WM_KEYDOWN, VK_DELETE, 1 << 30);
    EXPECT_EQ(list.RowCount(), 2) << "an auto-repeated Delete deletes nothing more";
}

TEST_F(PageListBoxTest, ARowWithoutPageDisappearsAfterTheNextPaintKeepingFiles)
{
    AddPages(3);
    auto orphan = list.Pages().Collection().Take(paths[1]);  // the row stays
    InvalidateRect(list.Handle(), nullptr, TRUE);
    UpdateWindow(list.Handle());
    EXPECT_EQ(list.RowCount(), 3) << "nothing is removed inside the paint";
    test::Pump();
    EXPECT_EQ(Keys(), (std::vector<std::wstring>{paths[0], paths[2]}));
    EXPECT_TRUE(std::filesystem::exists(paths[1])) << "only the row goes";
    EXPECT_EQ(list.Pages().Collection().Size(), 2u);
}

TEST_F(PageListBoxTest, RemoveAllWithAndWithoutFiles)
{
    for (const bool deleteFiles : {false, true}) {
        SCOPED_TRACE(deleteFiles);
        paths.clear();
        list.RemoveAllPages(false);
        AddPages(2);
        const int notified = window.parent.selectionChanges;
        list.RemoveAllPages(deleteFiles);
        EXPECT_EQ(list.RowCount(), 0);
        EXPECT_EQ(window.parent.selectionChanges, notified + 1);
        for (const auto& path : paths)
            EXPECT_EQ(std::filesystem::exists(path), !deleteFiles);
        for (const auto& path : paths)
            std::filesystem::remove(path);
    }
}

TEST(PageListChange, IsPostedOnlyFromTheThreadThatOwnsTheMainWindow)
{
    test::RecordingParent main;
    ASSERT_TRUE(main.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, {0, 0, 100, 100}));
    MSG message;
    bool fromWorker = true;
    std::thread([&] { fromWorker = PostPageListChange(main.Handle()); }).join();
    EXPECT_FALSE(fromWorker);
    EXPECT_FALSE(PeekMessageW(&message, main.Handle(), kPageListChangedMessage, kPageListChangedMessage, PM_REMOVE));
    EXPECT_TRUE(PostPageListChange(main.Handle()));
    ASSERT_TRUE(PeekMessageW(&message, main.Handle(), kPageListChangedMessage, kPageListChangedMessage, PM_REMOVE));
    EXPECT_EQ(message.message, 32871u);
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_FALSE(PostPageListChange(nullptr));
}

}  // namespace
}  // namespace dravolt
