// The start-up hint: a balloon tooltip with the program's name as title,
// tracked at a screen point and hidden by the idle pass after its hold time.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "framework/handles_win.h"

namespace dravolt::mainui {

class CHintBalloon {
public:
    bool Create(HWND owner);
    HWND Handle() const { return window_.Get(); }
    void Show(const std::wstring& text, std::uint32_t requestedHold, POINT screenPoint);
    // Hides the balloon when its hold time has passed; true when it is shown.
    bool HideWhenExpired(std::uint32_t now);
    bool IsShown() const { return shown_; }

private:
    TOOLINFOW Tool();
    void Hide();

    UniqueWindow window_;
    HWND owner_ = nullptr;  // not owned: the main window
    std::wstring text_;     // the tool's text lives as long as the tool
    bool shown_ = false;
    std::uint32_t shownAt_ = 0;
    std::uint32_t hold_ = 0;
};

}  // namespace dravolt::mainui
