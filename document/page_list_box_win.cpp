#include "document/page_list_box_win.h"

#include <algorithm>

#include "document/dropped_files_win.h"
#include "document/page_list_messages.h"
#include "framework/application_win.h"

namespace dravolt {

bool PostPageListChange(HWND mainWindow)
{
    if (!mainWindow || GetWindowThreadProcessId(mainWindow, nullptr) != GetCurrentThreadId())
        return false;
    return PostMessageW(mainWindow, kPageListChangedMessage, 0, 0) != FALSE;
}

std::wstring WriteBackFailureText(const std::wstring& path)
{
    return L"The changes to this page could not be saved:\n" + path +
           L"\n\nThe changed page is kept; saving is tried again when you leave the page "
           L"or write the PDF.";
}

CPageListBox::CPageListBox()
    : CImageListBox(L"Loomtide_SwapItemIndexClipboardFormat_ForPageListbox", false)
{
}

// The pages go with the list, neither written back nor deleted: their files
// stay in the working folder.
CPageListBox::~CPageListBox() = default;

int CPageListBox::AppendRow(const std::wstring& key)
{
    const LRESULT row = SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.c_str()));
    return row < 0 ? -1 : static_cast<int>(row);
}

int CPageListBox::InsertRow(int row, const std::wstring& key)
{
    const LRESULT at = SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(key.c_str()));
    return at < 0 ? -1 : static_cast<int>(at);
}

bool CPageListBox::DeleteRow(int row)
{
    return SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(row), 0) != LB_ERR;
}

void CPageListBox::ClearRows() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

void CPageListBox::SetSelectedRow(int row)
{
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void CPageListBox::InvalidateRow(int row)
{
    RECT rect{};
    if (row >= 0 && SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
        InvalidateRect(Handle(), &rect, FALSE);
}

void CPageListBox::NotifySelectionChange()
{
    const HWND parent = GetParent(Handle());
    if (parent)
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(ControlId(), LBN_SELCHANGE), reinterpret_cast<LPARAM>(Handle()));
}

imaging::Size CPageListBox::ThumbnailSize() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    return {std::max(1, ThumbnailWidthFor(client.right)), kThumbnailHeight};
}

void CPageListBox::RedrawPage(const CPageItem& page) { InvalidateRow(pages_.FindPageRow(page.GetFilePath())); }

void CPageListBox::InvalidateViewer()
{
    if (viewer_)
        InvalidateRect(viewer_, nullptr, TRUE);
}

void CPageListBox::RedrawViewerNow()
{
    if (viewer_)
        RedrawWindow(viewer_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CPageListBox::PageListChanged()
{
    const CApplication* application = CApplication::Current();
    PostPageListChange(changeTarget_ ? changeTarget_ : application ? application->MainWindow() : nullptr);
}

void CPageListBox::ReportWriteBackFailure(const std::wstring& path)
{
    FrameworkMessageBox(GetAncestor(Handle(), GA_ROOT), WriteBackFailureText(path), MB_OK | MB_ICONEXCLAMATION);
}

const imaging::Image* CPageListBox::RowThumbnail(int row) const
{
    const CPageItem* page = pages_.PageAt(row);
    return page ? &page->Thumbnail() : nullptr;
}

void CPageListBox::OnRowWithoutItem()
{
    if (!cleanUpPosted_)
        cleanUpPosted_ = PostMessageW(Handle(), kRemoveRowsWithoutPageMessage, 0, 0) != FALSE;
}

void CPageListBox::DrawItemCaption(HDC dc, const RowState& state, const RECT& caption)
{
    const std::wstring text = L"Page " + std::to_wstring(state.row + 1);
    RECT area = caption;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(255, 255, 255));
    ScopedSelect font(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

bool CPageListBox::AcceptsForeign(IDataObject* data) const { return OffersDroppedFiles(data); }

DWORD CPageListBox::OnForeignDrop(IDataObject* data)
{
    if (!OffersDroppedFiles(data))
        return DROPEFFECT_NONE;
    const std::vector<std::wstring> paths = DroppedFilePaths(data);
    const HWND parent = GetParent(Handle());
    if (!paths.empty() && parent)
        SendMessageW(parent, kFilesDroppedMessage, reinterpret_cast<WPARAM>(&paths), 0);
    return DROPEFFECT_COPY;
}

LRESULT CPageListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRemoveRowsWithoutPageMessage) {
        cleanUpPosted_ = false;
        pages_.RemoveRowsWithoutPage();
        return 0;
    }
    // Delete removes the selected page at once; a held key does not go on
    // deleting page after page.
    const bool repeat = (lParam & (1 << 30)) != 0;
    if (message == WM_KEYDOWN && wParam == VK_DELETE && !repeat) {
        pages_.DeletePage(SelectedRow());
        return 0;
    }
    return CImageListBox::WindowProc(message, wParam, lParam);
}

bool CPageListBox::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // The user picked a row in the control itself: that page becomes the
    // selected page. The parent still hears the notification.
    if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE && reinterpret_cast<HWND>(lParam) == Handle()) {
        pages_.OnSelectionChangedByUser();
        return false;
    }
    return CImageListBox::OnReflected(message, wParam, lParam, result);
}

}  // namespace dravolt
