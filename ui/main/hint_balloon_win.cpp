// The balloon of hint_balloon_win.h.
#include "ui/main/hint_balloon_win.h"

#include <commctrl.h>

#include "ui/main/status_hold.h"

namespace dravolt::mainui {

bool CHintBalloon::Create(HWND owner)
{
    owner_ = owner;
    window_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON | TTS_CLOSE,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                  nullptr, nullptr));
    if (!window_)
        return false;
    SendMessageW(Handle(), TTM_SETMAXTIPWIDTH, 0, 100);
    return true;
}

TOOLINFOW CHintBalloon::Tool()
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);  // the full 64-bit record
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner_;
    tool.uId = 1;
    tool.lpszText = text_.data();
    return tool;
}

void CHintBalloon::Show(const std::wstring& text, std::uint32_t requestedHold, POINT screenPoint)
{
    if (!window_)
        return;
    if (shown_)
        Hide();
    text_ = text;
    TOOLINFOW tool = Tool();
    SendMessageW(Handle(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(Handle(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(Handle(), TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(L"Dravolt"));
    SendMessageW(Handle(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(Handle(), TTM_TRACKPOSITION, 0, MAKELPARAM(screenPoint.x, screenPoint.y));
    shown_ = true;
    shownAt_ = GetTickCount();
    hold_ = BalloonHold(requestedHold);
}

void CHintBalloon::Hide()
{
    TOOLINFOW tool = Tool();
    SendMessageW(Handle(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    shown_ = false;
}

bool CHintBalloon::HideWhenExpired(std::uint32_t now)
{
    if (shown_ && BalloonExpired(shownAt_, hold_, now))
        Hide();
    return shown_;
}

}  // namespace dravolt::mainui
