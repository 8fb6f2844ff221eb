#include "framework/tooltip_win.h"

#include <commctrl.h>

namespace dravolt {

bool CTooltip::Create(HWND owner)
{
    owner_ = owner;
    window_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                  nullptr, nullptr));
    return static_cast<bool>(window_);
}

TOOLINFOW CTooltip::Record(UINT id) const
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = owner_;
    tool.uId = id;
    return tool;
}

bool CTooltip::AddTool(UINT id, const RECT& rect, const std::wstring& text)
{
    TOOLINFOW tool = Record(id);
    tool.uFlags = TTF_SUBCLASS;
    tool.rect = rect;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the tooltip
    return SendMessageW(Handle(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

bool CTooltip::SetToolRect(UINT id, const RECT& rect)
{
    TOOLINFOW tool = Record(id);
    tool.rect = rect;
    SendMessageW(Handle(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

bool CTooltip::SetToolText(UINT id, const std::wstring& text)
{
    TOOLINFOW tool = Record(id);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(Handle(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    return true;
}

std::wstring CTooltip::ToolText(UINT id) const
{
    // TTM_GETTEXTW has no buffer size; 80 characters is the documented limit
    // it copies, so the buffer is made larger than that.
    wchar_t text[256] = L"";
    TOOLINFOW tool = Record(id);
    tool.lpszText = text;
    SendMessageW(Handle(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

int CTooltip::ToolCount() const
{
    return static_cast<int>(SendMessageW(Handle(), TTM_GETTOOLCOUNT, 0, 0));
}

void CTooltip::RelayEvent(const MSG& message)
{
    SendMessageW(Handle(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

}  // namespace dravolt
