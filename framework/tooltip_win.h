// The tooltip window of a control: one tool per rectangle of its owner, with
// the text kept by the tooltip. Records are sized with sizeof of the real
// structures (TOOLINFOW is 64 bytes or more in a 64-bit build; a 32-bit size
// makes every request fail). Needs the common-controls 6 manifest.
#pragma once

#include <string>

#include <windows.h>
#include <commctrl.h>

#include "framework/handles_win.h"

namespace dravolt {

class CTooltip {
public:
    // Creates the tooltip window for tools of `owner`.
    bool Create(HWND owner);
    HWND Handle() const { return window_.Get(); }

    bool AddTool(UINT id, const RECT& rect, const std::wstring& text);
    bool SetToolRect(UINT id, const RECT& rect);
    bool SetToolText(UINT id, const std::wstring& text);
    std::wstring ToolText(UINT id) const;
    int ToolCount() const;
    // Passes a mouse message of the owner on, so the tooltip knows where the
    // mouse is (windowless tools have no window of their own to watch).
    void RelayEvent(const MSG& message);

private:
    TOOLINFOW Record(UINT id) const;

    UniqueWindow window_;
    HWND owner_ = nullptr;  // not owned: the control that shows the tips
};

}  // namespace dravolt
