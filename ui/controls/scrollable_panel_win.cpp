// The scroll bars and wheel of scrollable_panel_win.h.
#include "ui/controls/scrollable_panel_win.h"

#include <windowsx.h>

#include "framework/wheel_delta.h"

namespace dravolt::controls {

namespace {

// Showing or hiding a bar resizes the client area and sends WM_SIZE again;
// this keeps that inner WM_SIZE from updating the bars once more. All
// panels live on the user-interface thread.
bool updatingFromSize = false;

}  // namespace

CScrollablePanel::CScrollablePanel()
{
    passToDefault_ = true;
    borderWidth_ = 1;
    borderColour_ = 0;
}

void CScrollablePanel::PrepareDC(HDC dc)
{
    SetWindowOrgEx(dc, GetScrollPos(Handle(), SB_HORZ), GetScrollPos(Handle(), SB_VERT), nullptr);
}

LRESULT CScrollablePanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HSCROLL: return OnScroll(SB_HORZ, wParam);
    case WM_VSCROLL: return OnScroll(SB_VERT, wParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(wParam, lParam);
    default: return CPanel::WindowProc(message, wParam, lParam);
    }
}

void CScrollablePanel::AfterAttach()
{
    CPanel::AfterAttach();
    UpdateScrollBars();
    RedrawNow();
}

LRESULT CScrollablePanel::OnSize(WPARAM wParam, LPARAM lParam)
{
    CPanel::OnSize(wParam, lParam);
    if (!updatingFromSize) {
        updatingFromSize = true;
        UpdateScrollBars();
        updatingFromSize = false;
        RedrawNow();
    }
    return 0;
}

bool CScrollablePanel::UpdateBar(int bar, int content, int page, int client)
{
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE};
    info.nMin = 0;
    info.nMax = content;
    info.nPage = static_cast<UINT>(page > 0 ? page : 0);
    SetScrollInfo(Handle(), bar, &info, TRUE);
    const bool shown = BarShown(content, client);
    ShowScrollBar(Handle(), bar, shown);
    return shown;
}

void CScrollablePanel::UpdateScrollBars()
{
    const std::optional<ScrollMetrics> m = Metrics();
    if (!m)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    horizontalShown_ = UpdateBar(SB_HORZ, m->contentWidth, m->pageWidth, client.right - client.left);
    GetClientRect(Handle(), &client);
    verticalShown_ = UpdateBar(SB_VERT, m->contentHeight, m->pageHeight, client.bottom - client.top);
}

LRESULT CScrollablePanel::OnScroll(int bar, WPARAM wParam)
{
    const std::optional<ScrollMetrics> m = Metrics();
    if (!m)
        return 0;
    SCROLLINFO info{sizeof(info), SIF_POS | SIF_TRACKPOS};
    GetScrollInfo(Handle(), bar, &info);
    const int code = LOWORD(wParam);
    const ScrollAxis axis = bar == SB_HORZ ? Horizontal(*m) : Vertical(*m);
    if (code == SB_ENDSCROLL)
        Invalidate();
    SetScrollPos(Handle(), bar, ScrolledPosition(code, info.nPos, info.nTrackPos, axis), TRUE);
    RedrawNow();
    return 0;
}

LRESULT CScrollablePanel::OnMouseWheel(WPARAM wParam, LPARAM lParam)
{
    // Screen coordinates, negative left of or above the primary monitor.
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(Handle(), &point);
    RECT client{};
    GetClientRect(Handle(), &client);
    const std::optional<ScrollMetrics> m = Metrics();
    const int direction = WheelDirection(wParam);
    if (PtInRect(&client, point) && m && direction != 0) {
        const int position = GetScrollPos(Handle(), SB_VERT);
        SetScrollPos(Handle(), SB_VERT, WheelPosition(position, m->lineHeight, direction), TRUE);
        RedrawNow();
    }
    return DefaultProc(WM_MOUSEWHEEL, wParam, lParam);
}

}  // namespace dravolt::controls
