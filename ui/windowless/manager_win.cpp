// The manager's tree, painting, focus and notifications.
#include "ui/windowless/manager_win.h"

#include <commctrl.h>

namespace dravolt::windowless {

CDUIManager::CDUIManager() : wheelMessage_(RegisterWindowMessageW(L"MSWHEEL_ROLLMSG"))
{
    static const bool commonControls = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)commonControls;
}

CDUIManager::~CDUIManager()
{
    DropTree();
    if (windowDC_)
        ReleaseDC(window_, windowDC_);
}

void CDUIManager::DropTree()
{
    focus_ = hover_ = capture_ = key_ = nullptr;
    root_.reset();
    garbage_.clear();
}

void CDUIManager::Attach(std::unique_ptr<CWindowLessControl> root, HWND window)
{
    if (windowDC_)
        ReleaseDC(window_, windowDC_);
    windowDC_ = GetDC(window);
    SetFocus(nullptr);
    hover_ = capture_ = key_ = nullptr;
    if (root_) {
        // Its events may still be on the stack: deleted from the queue later.
        garbage_.push_back(std::move(root_));
        PostMessageW(window, kDeleteGarbageMessage, 0, 0);
    }
    window_ = window;
    needsLayout_ = firstLayout_ = true;
    root_ = std::move(root);
    root_->AttachManager(this);
    LayOut();
    InvalidateRect(window_, nullptr, FALSE);
}

void CDUIManager::LayOut()
{
    RECT client{};
    GetClientRect(window_, &client);
    if (!root_ || IsRectEmpty(&client))
        return;
    root_->PlaceAt(client);
    needsLayout_ = false;
    bitmap_.Reset();  // remade at the new size
    if (firstLayout_) {
        firstLayout_ = false;
        SendNotify(L"windowinit", root_.get());
    }
}

void CDUIManager::SendNotify(LPCWSTR type, CWindowLessControl* sender, WPARAM wParam, LPARAM lParam)
{
    TNotifyUI notification{type, sender, GetTickCount(), lastMouse_, wParam, lParam};
    // A copy: a receiver may add notifiers while it is told.
    const std::vector<INotify*> notifiers = notifiers_;
    for (INotify* notifier : notifiers)
        notifier->OnNotification(notification);
}

void CDUIManager::SetFocus(CWindowLessControl* control)
{
    if (window_ && GetFocus() != window_)
        ::SetFocus(window_);
    if (control == focus_)
        return;
    if (focus_) {
        Event(focus_, event::kKillFocus, 0, 0, control);
        SendNotify(L"killfocus", focus_);
        focus_ = nullptr;
    }
    if (Owns(control) && control->IsVisible() && control->IsEnabled()) {
        focus_ = control;
        Event(focus_, event::kSetFocus);
        SendNotify(L"setfocus", focus_);
    }
}

CWindowLessControl* CDUIManager::FindControl(POINT point) const
{
    if (!root_)
        return nullptr;
    auto hit = [](CWindowLessControl* control, void* data) -> CWindowLessControl* {
        return PtInRect(&control->Position(), *static_cast<POINT*>(data)) ? control : nullptr;
    };
    return root_->FindControlAt(hit, &point, CWindowLessControl::kFindVisible | CWindowLessControl::kFindHitTest);
}

void CDUIManager::Invalidate(const RECT& rect)
{
    if (window_)
        InvalidateRect(window_, &rect, FALSE);
}

void CDUIManager::Event(CWindowLessControl* control, int type, WPARAM wParam, LPARAM lParam,
                        CWindowLessControl* sender)
{
    if (!control)
        return;
    TEventUI e;
    e.type = type;
    e.sender = sender;
    e.timestamp = GetTickCount();
    e.mouse = lastMouse_;
    e.wParam = wParam;
    e.lParam = lParam;
    if (type == event::kKeyDown || type == event::kKeyUp || type == event::kChar)
        e.key = static_cast<WORD>(wParam);
    auto down = [](int key) { return GetKeyState(key) < 0; };
    e.keyState = static_cast<WORD>((down(VK_RBUTTON) ? 1 : 0) | (down(VK_LBUTTON) ? 2 : 0) |
                                   (down(VK_SHIFT) ? 4 : 0) | (down(VK_CONTROL) ? 8 : 0) |
                                   (down(VK_MENU) ? 32 : 0));
    control->HandleEvent(e);
}

void CDUIManager::PaintRoot(HDC dc, const RECT& area)
{
    if (!root_)
        return;
    ScopedSaveDC saved(dc);
    root_->PaintArea(dc, area);
}

void CDUIManager::OnPaint()
{
    RECT update{};
    if (!GetUpdateRect(window_, &update, FALSE))
        return;
    if (needsLayout_)
        LayOut();
    RECT client{};
    GetClientRect(window_, &client);
    if (!offscreen_)
        offscreen_.Reset(CreateCompatibleDC(windowDC_));
    if (!bitmap_)
        bitmap_.Reset(CreateCompatibleBitmap(windowDC_, client.right, client.bottom));
    PaintContext paint(window_);
    {
        ScopedSelect select(offscreen_.Get(), bitmap_.Get());
        PaintRoot(offscreen_.Get(), paint.PaintRect());
        const RECT& r = paint.PaintRect();
        BitBlt(paint.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, offscreen_.Get(), r.left, r.top,
               SRCCOPY);
    }
    if (needsLayout_)
        InvalidateRect(window_, nullptr, FALSE);
}

}  // namespace dravolt::windowless
