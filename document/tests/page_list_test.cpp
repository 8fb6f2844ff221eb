#include "document/page_list.h"

#include <gtest/gtest.h>

#include "document/drag_source_registry.h"
#include "document/drag_token.h"
#include "document/tests/page_fixtures.h"

namespace dravolt {
namespace {

struct PageListTest : testing::Test {
    test::PageFolder folder;
    test::RecordingOwner owner;
    test::VectorRows rows;
    CPageList list{rows, owner};
    std::vector<std::wstring> paths;

    void AddPages(int count)
    {
        for (int i = 0; i < count; ++i) {
            paths.push_back(folder.Write(L"page" + std::to_wstring(i), test::ColourPage(16, 12)));
            ASSERT_EQ(list.AddPage(paths.back()), i);
        }
    }
    int HeldImages() const
    {
        int held = 0;
        list.Collection().ForEach([&](const CPageItem& p) { held += p.HasFullImage(); });
        return held;
    }
};

TEST_F(PageListTest, AddAppendsAndSelectsAndRefusesDuplicatesEmptyAndUndecodable)
{
    AddPages(2);
    EXPECT_EQ(rows.selected, 1);
    EXPECT_TRUE(list.GetSelectedPage()->IsSelected());
    EXPECT_FALSE(list.PageAt(0)->IsSelected());
    EXPECT_EQ(HeldImages(), 1);  // only the selected page holds its image
    EXPECT_EQ(list.AddPage(paths[0]), -1);
    EXPECT_EQ(list.AddPage(L""), -1);
    EXPECT_EQ(list.AddPage((folder.Path() / "missing").wstring()), -1);
    EXPECT_EQ(list.InsertPage(0, folder.Write(L"late", test::ColourPage(4, 4))), 2);  // appended
    EXPECT_EQ(rows.RowCount(), 3);
    EXPECT_EQ(list.FindPageRow(paths[1]), 1);
    EXPECT_EQ(list.FindPageRow(L"nowhere"), -1);
}

TEST_F(PageListTest, ARefusedRowLeavesNoPage)
{
    rows.refuse = true;
    const std::wstring path = folder.Write(L"page", test::ColourPage(4, 4));
    EXPECT_EQ(list.AddPage(path), -1);
    EXPECT_EQ(list.Collection().Size(), 0u);
}

TEST_F(PageListTest, DeleteRemovesRowPageAndFileAndSelectsTheNeighbour)
{
    const struct {
        int count, deleted, wantSelected;
    } cases[] = {
        {3, 1, 0},   // middle: the page above
        {3, 0, 0},   // first: the new first page
        {3, 2, 1},   // last: the page above
        {1, 0, -1},  // the only page: nothing left to select
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " pages, delete " << c.deleted);
        test::PageFolder pages;
        test::VectorRows r;
        CPageList l(r, owner);
        std::vector<std::wstring> files;
        for (int i = 0; i < c.count; ++i) {
            files.push_back(pages.Write(L"p" + std::to_wstring(i), test::ColourPage(8, 8)));
            l.AddPage(files.back());
        }
        const int notified = r.notifications;
        EXPECT_EQ(l.DeletePage(c.deleted), -1);
        EXPECT_FALSE(std::filesystem::exists(files[c.deleted]));
        EXPECT_EQ(l.Collection().Size(), static_cast<std::size_t>(c.count - 1));
        EXPECT_EQ(r.selected, c.wantSelected);
        EXPECT_EQ(r.notifications, notified + 1);
        if (c.wantSelected >= 0) {
            EXPECT_TRUE(l.GetSelectedPage()->IsSelected());
        }
    }
}

TEST_F(PageListTest, OutOfRangeRowsTouchNoPageButStillNotify)
{
    AddPages(2);
    const int notified = rows.notifications;
    EXPECT_EQ(list.SelectPage(5), -1);
    list.DeletePage(-1);
    list.MoveItem(0, 7);
    EXPECT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.notifications, notified + 2);
    for (const auto& path : paths)
        EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(PageListTest, RemoveAllWithAndWithoutFiles)
{
    for (const bool deleteFiles : {false, true}) {
        test::PageFolder pages;
        test::VectorRows r;
        CPageList l(r, owner);
        const std::wstring a = pages.Write(L"a", test::ColourPage(8, 8));
        const std::wstring b = pages.Write(L"b", test::ColourPage(8, 8));
        l.AddPage(a);
        l.AddPage(b);
        l.RemoveAllPages(deleteFiles);
        EXPECT_EQ(r.RowCount(), 0);
        EXPECT_EQ(l.Collection().Size(), 0u);
        EXPECT_EQ(std::filesystem::exists(a), !deleteFiles);
        EXPECT_EQ(std::filesystem::exists(b), !deleteFiles);
    }
}

TEST_F(PageListTest, MoveReordersRowsKeepsPagesAndSelectsTheMovedRow)
{
    AddPages(3);
    list.MoveItem(2, 0);  // third page onto the first row
    EXPECT_EQ(rows.keys, (std::vector<std::wstring>{paths[2], paths[0], paths[1]}));
    EXPECT_EQ(rows.selected, 0);
    list.MoveItem(0, 2);  // downwards
    EXPECT_EQ(rows.keys, (std::vector<std::wstring>{paths[0], paths[1], paths[2]}));
    list.MoveItem(1, 1);  // onto itself: nothing
    EXPECT_EQ(rows.keys, (std::vector<std::wstring>{paths[0], paths[1], paths[2]}));
    EXPECT_EQ(list.Collection().Size(), 3u);
    EXPECT_EQ(list.PagesInOrder().front()->GetFilePath(), paths[0]);
}

TEST_F(PageListTest, RowsWithoutPageGoWithoutTouchingAnyFile)
{
    AddPages(2);
    rows.keys.insert(rows.keys.begin() + 1, (folder.Path() / "ghost").wstring());
    const int changes = owner.changes;
    list.RemoveRowsWithoutPage();
    EXPECT_EQ(rows.keys, paths);
    EXPECT_EQ(owner.changes, changes);  // no page file was deleted
    for (const auto& path : paths)
        EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(PageListTest, UserSelectionChangeLeavesOnlyTheNewPageHoldingItsImage)
{
    AddPages(3);
    rows.selected = 0;
    list.OnSelectionChangedByUser();
    EXPECT_TRUE(list.PageAt(0)->IsSelected());
    EXPECT_FALSE(list.PageAt(2)->IsSelected());
    EXPECT_EQ(HeldImages(), 1);
}

TEST(DragToken, CarriesAListOfThisProcessOnly)
{
    const DragTokenBytes token = EncodeDragToken(4242, 0x1122334455667788ull);
    EXPECT_EQ(DecodeDragToken(token, 4242), 0x1122334455667788ull);
    EXPECT_EQ(DecodeDragToken(token, 4243), std::nullopt);  // another running copy
    const std::vector<std::uint8_t> longer(token.begin(), token.end());
    std::vector<std::uint8_t> padded = longer;
    padded.push_back(0);
    EXPECT_EQ(DecodeDragToken(padded, 4242), std::nullopt);
    EXPECT_EQ(DecodeDragToken(std::span(longer).first(4), 4242), std::nullopt);  // old 4-byte block
    std::vector<std::uint8_t> forged = longer;
    forged[0] ^= 1;
    EXPECT_EQ(DecodeDragToken(forged, 4242), std::nullopt);
}

TEST(DragToken, RegistryNeverHandsOutAListThatHasGone)
{
    int first = 1, second = 2;
    CDragSourceRegistry<int> registry;
    const auto a = registry.Register(&first);
    const auto b = registry.Register(&second);
    EXPECT_NE(a, b);
    EXPECT_EQ(registry.Find(a), &first);
    registry.Unregister(a);
    EXPECT_EQ(registry.Find(a), nullptr);
    EXPECT_NE(registry.Register(&first), a);  // identifiers are not reused
    EXPECT_EQ(registry.Find(b), &second);
}

}  // namespace
}  // namespace dravolt
