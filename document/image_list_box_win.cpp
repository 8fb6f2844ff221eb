// The thumbnail list's messages: creation styles, hover, the mouse, a row
// drag and the drops it receives.
#include "document/image_list_box_win.h"

#include <windowsx.h>

#include "document/drag_source_registry.h"
#include "document/drag_token.h"

namespace dravolt {

CDragSourceRegistry<CImageListBox>& DragSources()
{
    static CDragSourceRegistry<CImageListBox> lists;
    return lists;
}

namespace {

// Registered while the program starts, before any list exists.
const CLIPFORMAT gDropObjectFormat = RegisterFormat(L"Loomtide_DropObjectFormat");

}  // namespace

CLIPFORMAT DropObjectFormat() { return gDropObjectFormat; }

CImageListBox::CImageListBox(const wchar_t* swapFormat, bool offerDropObject)
    : swapFormat_(RegisterFormat(swapFormat)), offerDropObject_(offerDropObject),
      dragId_(DragSources().Register(this))
{
}

CImageListBox::~CImageListBox()
{
    RevokeDropTarget();
    DragSources().Unregister(dragId_);
}

bool CImageListBox::Create(HWND parent, UINT id, const RECT& rect)
{
    const HWND list = CreateWindowExW(
        0, L"LISTBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
            LBS_NOTIFY | LBS_WANTKEYBOARDINPUT | LBS_NOINTEGRALHEIGHT,
        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ResourceInstance(), nullptr);
    return list && Attach(list);
}

void CImageListBox::OnAttached()
{
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, kRowHeight);
    RegisterDropTarget(Handle());
}

int CImageListBox::RowCount() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }
int CImageListBox::SelectedRow() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }

std::wstring CImageListBox::RowText(int row) const
{
    const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

int CImageListBox::RowAt(POINT client) const
{
    const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (HIWORD(hit) != 0)  // outside every row
        return -1;
    const int row = LOWORD(hit);
    return row < RowCount() ? row : -1;
}

int CImageListBox::SelectItem(int row)
{
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    return SelectedRow();
}

void CImageListBox::MoveItem(int from, int to)
{
    const int count = RowCount();
    if (from == to || from < 0 || to < 0 || from >= count || to >= count)
        return;
    const std::wstring text = RowText(from);
    SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(from), 0);
    SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(to), reinterpret_cast<LPARAM>(text.c_str()));
    SelectItem(to);
}

Microsoft::WRL::ComPtr<CBlockDataObject> CImageListBox::MakeDragData() const
{
    auto data = CBlockDataObject::Make();
    const DragTokenBytes token = EncodeDragToken(GetCurrentProcessId(), dragId_);
    data->Put(swapFormat_, token);
    if (offerDropObject_)
        data->Put(gDropObjectFormat, token);
    return data;
}

void CImageListBox::InvalidateRow(int row)
{
    RECT rect{};
    if (row >= 0 && SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
        InvalidateRect(Handle(), &rect, FALSE);
}

void CImageListBox::UpdateHover()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Handle(), &cursor);
    UpdateHoverAt(cursor);
}

void CImageListBox::UpdateHoverAt(POINT cursor)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    const int row = PtInRect(&client, cursor) ? RowAt(cursor) : -1;
    if (row == hoverRow_)
        return;
    InvalidateRow(hoverRow_);
    hoverRow_ = row;
    InvalidateRow(hoverRow_);
}

}  // namespace dravolt
