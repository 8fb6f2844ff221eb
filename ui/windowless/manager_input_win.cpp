// The manager's message handling: window messages become control events.
#include "ui/windowless/manager_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/windowless/paint_rules.h"

namespace dravolt::windowless {

namespace {

POINT PointOf(LPARAM lParam)
{
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

bool CDUIManager::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (!window_)
        return false;
    result = 0;
    if (message == wheelMessage_ || message == WM_MOUSEWHEEL) {
        OnWheel(wParam);
        return false;
    }
    switch (message) {
    case WM_SIZE:
        Event(focus_, event::kWindowSize);
        needsLayout_ = true;
        return true;
    case WM_PAINT: OnPaint(); return true;
    case WM_ERASEBKGND: result = 1; return true;
    case WM_CLOSE: OnClose(); return false;
    case WM_SETCURSOR: {
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(window_, &at);
        CWindowLessControl* control = FindControl(at);
        if (!control || !(control->ControlFlags() & 2))
            return false;
        Event(control, event::kSetCursor, wParam, lParam);
        result = TRUE;
        return true;
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_NOTIFY:
    case WM_COMMAND: {
        HWND child = message == WM_COMMAND ? reinterpret_cast<HWND>(lParam)
                     : message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom
                                            : GetDlgItem(window_, static_cast<int>(wParam));
        if (!child || child == window_)
            return false;
        result = SendMessageW(child, message + 0x2000, wParam, lParam);  // OCM_ reflection
        return true;
    }
    case WM_KEYDOWN:
        Event(focus_, event::kKeyDown, wParam, lParam);
        key_ = focus_;
        return false;
    case WM_CHAR: Event(focus_, event::kChar, wParam, lParam); return false;
    case WM_KEYUP:
        Event(key_, event::kKeyUp, wParam, lParam);
        key_ = nullptr;
        return false;
    case WM_MOUSEMOVE: OnMouseMove(lParam); return false;
    case WM_LBUTTONDOWN: OnButtonDown(lParam, false); return false;
    case WM_LBUTTONDBLCLK: OnButtonDown(lParam, true); return false;
    case WM_LBUTTONUP: OnButtonUp(lParam); return false;
    case WM_MOUSEHOVER: OnMouseHover(); return true;
    case WM_MOUSELEAVE: OnMouseLeave(); return false;
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(window_, &client);
        PaintRoot(reinterpret_cast<HDC>(wParam), client);
        return true;
    }
    case kDeleteGarbageMessage: garbage_.clear(); return true;
    default: return false;
    }
}

void CDUIManager::OnMouseMove(LPARAM lParam)
{
    if (!trackingMouse_) {
        const int delay = tooltip_.Handle()
                              ? static_cast<int>(SendMessageW(tooltip_.Handle(), TTM_GETDELAYTIME, TTDT_INITIAL, 0))
                              : 1000;
        TRACKMOUSEEVENT request{sizeof(request), TME_HOVER | TME_LEAVE, window_, static_cast<DWORD>(delay)};
        trackingMouse_ = TrackMouseEvent(&request) != FALSE;
    }
    lastMouse_ = PointOf(lParam);
    CWindowLessControl* under = FindControl(lastMouse_);
    if (under && !Owns(under))
        return;
    if (under != hover_) {
        CWindowLessControl* old = hover_;
        hover_ = under;
        Event(old, event::kMouseLeave);
        if (old)
            HideTooltip();
        Event(under, event::kMouseEnter);
    }
    Event(capture_ ? capture_ : under, event::kMouseMove, 0, lParam);
}

void CDUIManager::OnButtonDown(LPARAM lParam, bool doubleClick)
{
    if (!doubleClick)
        ::SetFocus(window_);
    SetCapture(window_);
    lastMouse_ = PointOf(lParam);
    CWindowLessControl* under = FindControl(lastMouse_);
    if (!Owns(under))
        return;
    capture_ = under;
    if (!doubleClick)
        SetFocus(under);
    Event(under, doubleClick ? event::kDoubleClick : event::kButtonDown, 0, lParam);
}

void CDUIManager::OnButtonUp(LPARAM lParam)
{
    lastMouse_ = PointOf(lParam);
    if (!capture_)
        return;
    CWindowLessControl* released = capture_;
    capture_ = nullptr;
    ReleaseCapture();
    Event(released, event::kButtonUp, 0, lParam);
}

void CDUIManager::OnMouseHover()
{
    trackingMouse_ = false;
    CWindowLessControl* under = FindControl(lastMouse_);
    if (!under)
        return;
    Event(hover_, event::kMouseHover, 0, 0, under);
    if (!under->tooltip.empty())
        ShowTooltip(*under);
}

void CDUIManager::ShowTooltip(const CWindowLessControl& control)
{
    // One tool, moved to the control under the mouse. The tooltip records
    // are sized by the framework with sizeof(TOOLINFOW): a 32-bit size makes
    // every request fail in a 64-bit build.
    constexpr UINT kTool = 1;
    if (!tooltip_.Handle() && tooltip_.Create(window_))
        tooltip_.AddTool(kTool, control.Position(), control.tooltip);
    tooltip_.SetToolRect(kTool, control.Position());
    tooltip_.SetToolText(kTool, control.tooltip);
    SendMessageW(tooltip_.Handle(), TTM_ACTIVATE, TRUE, 0);
    tooltipShown_ = true;
}

void CDUIManager::HideTooltip()
{
    if (tooltip_.Handle() && tooltipShown_)
        SendMessageW(tooltip_.Handle(), TTM_POP, 0, 0);
    tooltipShown_ = false;
}

void CDUIManager::OnMouseLeave()
{
    HideTooltip();
    if (trackingMouse_)
        SendMessageW(window_, WM_MOUSEMOVE, 0, MAKELPARAM(-1, -1));
    trackingMouse_ = false;
    Event(hover_, event::kMouseLeave);
    hover_ = nullptr;
}

void CDUIManager::OnWheel(WPARAM wParam)
{
    if (!focus_)
        return;
    const WheelEvents events = WheelToEvents(wParam);
    Event(focus_, event::kScrollWheel, static_cast<WPARAM>(events.downwards));
    for (int i = 0; i < events.steps && focus_; ++i)
        Event(focus_, event::kScroll, static_cast<WPARAM>(events.downwards));
    SendMessageW(window_, WM_MOUSEMOVE, 0, MAKELPARAM(lastMouse_.x, lastMouse_.y));
}

void CDUIManager::OnClose()
{
    Event(hover_, event::kMouseLeave);
    if (CWindowLessControl* pressed = capture_) {
        // Released as if outside: closing the window must not run a command.
        capture_ = nullptr;
        lastMouse_ = {-1, -1};
        Event(pressed, event::kButtonUp);
    }
    SetFocus(nullptr);
    if (HWND owner = GetWindow(window_, GW_OWNER))
        ::SetFocus(owner);
}

}  // namespace dravolt::windowless
