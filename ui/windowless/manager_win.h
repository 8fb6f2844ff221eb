// The manager of one host window's windowless controls: paints the tree
// into an off-screen bitmap, turns the window's mouse, keyboard and focus
// messages into control events, shows tooltips and sends notifications.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/handles_win.h"
#include "framework/tooltip_win.h"
#include "ui/windowless/controls_win.h"

namespace dravolt::windowless {

struct TNotifyUI {
    CStdString type;
    CWindowLessControl* sender = nullptr;
    DWORD timestamp = 0;
    POINT mouse{};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class INotify {
public:
    virtual ~INotify() = default;
    virtual void OnNotification(TNotifyUI notification) = 0;
};

inline constexpr UINT kDeleteGarbageMessage = WM_APP + 1;

class CDUIManager {
public:
    CDUIManager();
    ~CDUIManager();
    CDUIManager(const CDUIManager&) = delete;
    CDUIManager& operator=(const CDUIManager&) = delete;

    void Attach(std::unique_ptr<CWindowLessControl> root, HWND window);
    void AddNotifier(INotify* notifier) { notifiers_.push_back(notifier); }
    void SendNotify(LPCWSTR type, CWindowLessControl* sender, WPARAM wParam = 0, LPARAM lParam = 0);
    void SetFocus(CWindowLessControl* control);
    CWindowLessControl* FindControl(POINT point) const;
    // True when the message was handled, with its result.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND Window() const { return window_; }
    CWindowLessControl* Root() const { return root_.get(); }
    CWindowLessControl* Focus() const { return focus_; }
    CWindowLessControl* Hover() const { return hover_; }
    CWindowLessControl* Capture() const { return capture_; }
    void NeedLayout() { needsLayout_ = true; }
    void Invalidate(const RECT& rect);
    const CTooltip& Tooltip() const { return tooltip_; }

    // Paints the tree for `area` into `dc`.
    void PaintRoot(HDC dc, const RECT& area);

private:
    void Event(CWindowLessControl* control, int type, WPARAM wParam = 0, LPARAM lParam = 0,
               CWindowLessControl* sender = nullptr);
    bool Owns(const CWindowLessControl* control) const { return control && control->Manager() == this; }
    void LayOut();
    void OnPaint();
    void OnMouseMove(LPARAM lParam);
    void OnButtonDown(LPARAM lParam, bool doubleClick);
    void OnButtonUp(LPARAM lParam);
    void OnMouseHover();
    void OnMouseLeave();
    void OnWheel(WPARAM wParam);
    void OnClose();
    void ShowTooltip(const CWindowLessControl& control);
    void HideTooltip();
    void DropTree();

    HWND window_ = nullptr;  // not owned: the host
    HDC windowDC_ = nullptr; // the host's DC, given back at destruction
    UniqueMemoryDC offscreen_;
    UniqueBitmap bitmap_;
    CTooltip tooltip_;
    bool tooltipShown_ = false;
    std::unique_ptr<CWindowLessControl> root_;
    CWindowLessControl* focus_ = nullptr;    // these four point into the tree
    CWindowLessControl* hover_ = nullptr;
    CWindowLessControl* capture_ = nullptr;
    CWindowLessControl* key_ = nullptr;
    POINT lastMouse_{};
    bool needsLayout_ = false;
    bool firstLayout_ = false;
    bool trackingMouse_ = false;
    std::vector<INotify*> notifiers_;  // not owned
    std::vector<std::unique_ptr<CWindowLessControl>> garbage_;
    UINT wheelMessage_ = 0;
};

}  // namespace dravolt::windowless
