// CControl's message slots, state and properties.
#include "ui/controls/control_win.h"

#include <windowsx.h>

namespace dravolt::controls {

void CControl::OnAttached()
{
    wchar_t text[260] = L"";
    GetWindowTextW(Handle(), text, 260);
    text_ = text;
    disabled_ = !IsWindowEnabled(Handle());
    RefreshClientRect();
    AfterAttach();
}

LRESULT CControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const LRESULT result = CWindow::WindowProc(message, wParam, lParam);
        OnAttached();  // a control made as a window starts as an attached one
        return result;
    }
    case WM_LBUTTONUP: return OnLButtonUp(wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnLButtonDblClk(wParam, lParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(wParam, lParam);
    case WM_SETFOCUS: return OnSetFocus(wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(wParam, lParam);
    case WM_CAPTURECHANGED: return OnCaptureChanged(wParam, lParam);
    case WM_MOUSEHOVER: return OnMouseHover(wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_ENABLE: return OnEnable(wParam, lParam);
    case WM_PAINT: return OnPaint(wParam, lParam);
    case WM_ERASEBKGND: return 1;  // the paint pass covers everything
    case WM_SIZE: return OnSize(wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_KEYUP: return OnKeyUp(wParam, lParam);
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    default: return CWindow::WindowProc(message, wParam, lParam);
    }
}

bool CControl::PointIn(const RECT& rect, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&rect, point) != FALSE;
}

void CControl::PassToDefault(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (passToDefault_)
        DefaultProc(message, wParam, lParam);
}

LRESULT CControl::OnLButtonUp(WPARAM wParam, LPARAM lParam)
{
    ReleaseCapture();
    // A disabled control gets no mouse input from the system, but a message
    // sent to it must not click it either.
    if (!disabled_ && PointIn(client_, lParam))
        SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(ControlId(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
    pressed_ = false;
    PassToDefault(WM_LBUTTONUP, wParam, lParam);
    return 0;
}

LRESULT CControl::OnLButtonDblClk(WPARAM wParam, LPARAM lParam)
{
    PassToDefault(WM_LBUTTONDBLCLK, wParam, lParam);
    return 0;
}

LRESULT CControl::OnLButtonDown(WPARAM wParam, LPARAM lParam)
{
    SetFocus(Handle());
    SetCapture(Handle());
    pressed_ = GetCapture() == Handle();
    PassToDefault(WM_LBUTTONDOWN, wParam, lParam);
    return 0;
}

LRESULT CControl::OnSetFocus(WPARAM, LPARAM)
{
    focused_ = true;
    return 0;
}

LRESULT CControl::OnKillFocus(WPARAM, LPARAM)
{
    focused_ = false;
    return 0;
}

LRESULT CControl::OnCaptureChanged(WPARAM, LPARAM)
{
    pressed_ = false;
    return 0;
}

LRESULT CControl::OnMouseHover(WPARAM wParam, LPARAM lParam)
{
    hover_ = true;
    PassToDefault(WM_MOUSEHOVER, wParam, lParam);
    return 0;
}

LRESULT CControl::OnMouseLeave(WPARAM wParam, LPARAM lParam)
{
    tracking_ = false;
    hover_ = false;
    PassToDefault(WM_MOUSELEAVE, wParam, lParam);
    return 0;
}

void CControl::TrackMouse(LPARAM lParam)
{
    if (!tracking_) {
        TRACKMOUSEEVENT request{sizeof(request), TME_HOVER | TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&request) != FALSE;
        hover_ = true;
    } else {
        hover_ = PointIn(client_, lParam);
    }
}

LRESULT CControl::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    TrackMouse(lParam);
    PassToDefault(WM_MOUSEMOVE, wParam, lParam);
    return 0;
}

LRESULT CControl::OnEnable(WPARAM wParam, LPARAM)
{
    disabled_ = wParam == FALSE;
    Invalidate();
    return 0;
}

LRESULT CControl::OnSize(WPARAM wParam, LPARAM lParam)
{
    DefaultProc(WM_SIZE, wParam, lParam);
    RefreshClientRect();
    Invalidate();
    return 0;
}

LRESULT CControl::OnKeyDown(WPARAM wParam, LPARAM lParam) { return DefaultProc(WM_KEYDOWN, wParam, lParam); }
LRESULT CControl::OnKeyUp(WPARAM wParam, LPARAM lParam) { return DefaultProc(WM_KEYUP, wParam, lParam); }
LRESULT CControl::OnSetCursor(WPARAM wParam, LPARAM lParam) { return DefaultProc(WM_SETCURSOR, wParam, lParam); }

void CControl::RefreshClientRect()
{
    GetClientRect(Handle(), &client_);
}

void CControl::SetSystemCursor(LPCWSTR cursorId)
{
    // System cursors are shared: they are put back, never destroyed.
    static HCURSOR replaced = nullptr;
    static bool set = false;
    if (set)
        ::SetCursor(replaced);
    replaced = ::SetCursor(LoadCursorW(nullptr, cursorId));
    set = true;
}

}  // namespace dravolt::controls
