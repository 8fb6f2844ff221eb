// The thumbnail list's input: messages, hover, pressing and dragging a row,
// and the drop target's answers.
#include "document/image_list_box_win.h"

#include <windowsx.h>

#include "document/drag_source_registry.h"
#include "document/drag_token.h"

namespace dravolt {

CDragSourceRegistry<CImageListBox>& DragSources();

LRESULT CImageListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
        return 1;
    }
    case WM_MOUSEMOVE:
        OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, wParam);
        return DefaultProc(message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a fast second click is a click, not a command
        OnButtonDown(WM_LBUTTONDOWN, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(message, wParam, lParam);
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        UpdateHover();
        return result;
    }
    default:
        return CWindow::WindowProc(message, wParam, lParam);
    }
}

bool CImageListBox::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        RECT client{};
        GetClientRect(Handle(), &client);
        measure.itemWidth = static_cast<UINT>(client.right);
        measure.itemHeight = kRowHeight;
        result = TRUE;
        return true;
    }
    case WM_CTLCOLORLISTBOX:
        // The empty list's focus row is cleared with the text background
        // colour, not the brush: both must be the list's own grey.
        SetBkColor(reinterpret_cast<HDC>(wParam),
                   RGB((kListBackground >> 16) & 0xFF, (kListBackground >> 8) & 0xFF, kListBackground & 0xFF));
        result = reinterpret_cast<LRESULT>(BackgroundBrush());
        return true;
    default:
        return false;
    }
}

void CImageListBox::OnMouseMove(POINT point, WPARAM keys)
{
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    UpdateHoverAt(point);
    if (!(keys & MK_LBUTTON) || !buttonPressed_ || SelectedRow() < 0 ||
        dragStart_.Contains(point.x, point.y))
        return;
    buttonPressed_ = false;  // one drag per press
    StartDrag(MakeDragData().Get(), DROPEFFECT_COPY);
}

void CImageListBox::OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int before = SelectedRow();
    DefaultProc(message, wParam, lParam);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int row = RowAt(point);
    // The control's own handling usually selected the row and told the
    // parent already; selecting it again would show the page twice.
    if (row != before && SelectedRow() != row)
        SelectItem(row);
    buttonPressed_ = true;
    dragStart_ = DragStartBox(point.x, point.y);
}

void CImageListBox::OnButtonUp(UINT message, WPARAM wParam, LPARAM lParam)
{
    DefaultProc(message, wParam, lParam);
    UpdateHoverAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    buttonPressed_ = false;
    dragOver_ = false;
}

void CImageListBox::OnMouseLeave()
{
    hoverRow_ = -1;
    tracking_ = buttonPressed_ = dragOver_ = false;
    InvalidateRect(Handle(), nullptr, FALSE);
}

DWORD CImageListBox::OnDragEnter(IDataObject* data, POINT)
{
    dragOver_ = Offers(data, swapFormat_);
    if (dragOver_)
        return DROPEFFECT_COPY;
    foreignOver_ = !dragOver_ && AcceptsForeign(data);
    return foreignOver_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DWORD CImageListBox::OnDragOver(POINT)
{
    if (dragOver_) {
        InvalidateRect(Handle(), nullptr, FALSE);
        return DROPEFFECT_COPY;
    }
    return foreignOver_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

void CImageListBox::OnDragLeave()
{
    buttonPressed_ = dragOver_ = foreignOver_ = false;
    InvalidateRect(Handle(), nullptr, FALSE);
}

DWORD CImageListBox::OnDrop(IDataObject* data, POINT screen)
{
    DWORD effect = DROPEFFECT_COPY;
    if (!RowDropFromThisProcess(data, screen))
        effect = OnForeignDrop(data);
    buttonPressed_ = dragOver_ = foreignOver_ = false;
    InvalidateRect(Handle(), nullptr, FALSE);
    return effect;
}

// True when `data` is a row drag of a list of this process (whatever the
// outcome of the move); data of another process or a gone list is ignored.
bool CImageListBox::RowDropFromThisProcess(IDataObject* data, POINT screen)
{
    if (!Offers(data, swapFormat_))
        return false;
    const auto block = ReadBlock(data, swapFormat_);  // freed here, whatever it holds
    const auto id = block ? DecodeDragToken(*block, GetCurrentProcessId()) : std::nullopt;
    const CImageListBox* source = id ? DragSources().Find(*id) : nullptr;
    if (!source)
        return true;
    POINT client = screen;
    ScreenToClient(Handle(), &client);
    const int from = source->SelectedRow();
    const int to = RowAt(client);
    if (from >= 0 && to >= 0)
        MoveItem(from, to);
    return true;
}

}  // namespace dravolt
