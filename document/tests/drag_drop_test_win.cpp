// Drops onto the page list through its own OLE drop target with real data
// objects: a row drag made by the list itself, foreign row data, and files
// from the shell as an HGLOBAL DROPFILES block. Wine's modal drag loop
// cannot be driven by a test, so the loop itself is not run here.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>

#include "document/drag_token.h"
#include "document/dropped_files_win.h"
#include "document/tests/list_window_fixture_win.h"

namespace dravolt {
namespace {

struct DragDropTest : testing::Test {
    test::PageFolder folder;
    test::ListWindow window{140, 480};
    CPageListBox& list = *window.list;
    std::vector<std::wstring> paths;

    void SetUp() override
    {
        for (int i = 0; i < 4; ++i) {
            paths.push_back(folder.Write(L"page" + std::to_wstring(i), test::ColourPage(30, 40)));
            ASSERT_EQ(list.AddPage(paths.back()), i);
        }
    }
    POINTL ScreenPointOfRow(int row) const
    {
        RECT rect{};
        SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        POINT point{rect.left + 30, rect.top + 40};
        ClientToScreen(list.Handle(), &point);
        return {point.x, point.y};
    }
    // Enter, over and drop at `row`; the effects of the three answers.
    std::vector<DWORD> Drop(IDataObject* data, int row)
    {
        IDropTarget* target = list.DropTarget();
        const POINTL at = ScreenPointOfRow(row);
        DWORD enter = DROPEFFECT_COPY | DROPEFFECT_MOVE, over = enter, dropped = enter;
        target->DragEnter(data, MK_LBUTTON, at, &enter);
        target->DragOver(MK_LBUTTON, at, &over);
        overSeen = list.IsDragOver();
        target->Drop(data, 0, at, &dropped);
        return {enter, over, dropped};
    }
    std::vector<std::wstring> Order(std::initializer_list<int> indexes) const
    {
        std::vector<std::wstring> keys;
        for (int i : indexes)
            keys.push_back(paths[static_cast<std::size_t>(i)]);
        return keys;
    }
    std::vector<std::wstring> Keys() const
    {
        std::vector<std::wstring> keys;
        for (int row = 0; row < list.RowCount(); ++row)
            keys.push_back(list.RowKey(row));
        return keys;
    }
    bool overSeen = false;
};

TEST_F(DragDropTest, ARowDraggedOntoAnotherRowMovesThereAndIsSelected)
{
    const struct {
        const char* what;
        int from, to;
        std::initializer_list<int> order;
    } cases[] = {
        {"third onto first", 2, 0, {2, 0, 1, 3}},
        {"downwards", 0, 2, {1, 2, 0, 3}},
        {"onto itself", 1, 1, {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        list.RemoveAllPages(false);
        for (const auto& path : paths)
            list.AddPage(path);
        list.SelectPage(c.from);
        const auto data = list.MakeDragData();
        const std::vector<DWORD> effects = Drop(data.Get(), c.to);
        EXPECT_EQ(effects, (std::vector<DWORD>(3, DROPEFFECT_COPY)));
        EXPECT_TRUE(overSeen) << "the marker is drawn while the row is over the list";
        EXPECT_FALSE(list.IsDragOver());
        EXPECT_EQ(Keys(), Order(c.order));
        EXPECT_EQ(list.SelectedRow(), c.to);
        EXPECT_EQ(list.GetSelectedPage()->GetFilePath(), paths[static_cast<std::size_t>(c.order.begin()[c.to])]);
    }
}

TEST_F(DragDropTest, RowDataOfAnotherProcessOrOfTheWrongSizeIsIgnored)
{
    const CLIPFORMAT swap = RegisterFormat(L"Loomtide_SwapItemIndexClipboardFormat_ForPageListbox");
    const DragTokenBytes foreign = EncodeDragToken(GetCurrentProcessId() + 4, 1);
    const std::uint8_t pointerSized[4] = {1, 2, 3, 4};  // what an old copy would send
    for (const std::span<const std::uint8_t> bytes :
         {std::span<const std::uint8_t>(foreign), std::span<const std::uint8_t>(pointerSized)}) {
        list.SelectPage(3);
        auto data = CBlockDataObject::Make();
        data->Put(swap, bytes);
        Drop(data.Get(), 0);
        EXPECT_EQ(Keys(), paths);
        EXPECT_TRUE(window.parent.drops.empty());
    }
}

// A shell drop: a DROPFILES header followed by NUL-terminated wide paths
// and a closing NUL (two NULs also for an empty list).
std::vector<std::uint8_t> DropFiles(const std::vector<std::wstring>& files)
{
    std::wstring list;
    for (const auto& file : files)
        list += file + L'\0';
    list += files.empty() ? std::wstring(2, L'\0') : std::wstring(1, L'\0');
    std::vector<std::uint8_t> bytes(sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(bytes.data(), &header, sizeof(header));
    std::memcpy(bytes.data() + sizeof(header), list.data(), list.size() * sizeof(wchar_t));
    return bytes;
}

TEST_F(DragDropTest, FilesFromTheShellReachTheParentInDropOrderAtFullLength)
{
    const std::wstring deep = L"C:\\scans\\" + std::wstring(300, L'd') + L"\\page.jpg";
    const std::vector<std::wstring> files{L"C:\\scans\\b.jpg", deep, L"C:\\scans\\a.tif"};
    auto data = CBlockDataObject::Make();
    data->Put(CF_HDROP, DropFiles(files));
    const std::vector<DWORD> effects = Drop(data.Get(), 1);
    EXPECT_EQ(effects, (std::vector<DWORD>(3, DROPEFFECT_COPY)));
    ASSERT_EQ(window.parent.drops.size(), 1u);
    EXPECT_EQ(window.parent.drops[0], files);
    EXPECT_EQ(Keys(), paths) << "a file drop moves no row";

    auto empty = CBlockDataObject::Make();
    empty->Put(CF_HDROP, DropFiles({}));
    Drop(empty.Get(), 1);
    EXPECT_EQ(window.parent.drops.size(), 1u) << "a drop without files sends nothing";
}

TEST_F(DragDropTest, UnrelatedDataIsRefused)
{
    auto data = CBlockDataObject::Make();
    const std::uint8_t text[] = {'h', 'i', 0};
    data->Put(CF_TEXT, text);
    const std::vector<DWORD> effects = Drop(data.Get(), 0);
    EXPECT_EQ(effects[0], static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(effects[1], static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(Keys(), paths);
}

}  // namespace
}  // namespace dravolt
