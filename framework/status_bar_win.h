// The framework's status bar: the common status control along the bottom of
// its parent, split into panes given by their widths.
#pragma once

#include <string>
#include <vector>

#include "framework/window_win.h"

namespace dravolt {

class CStatusBar : public CWindow {
public:
    bool Create(HWND parent, UINT id);
    // Pane widths in pixels; -1 as the last width stretches it to the edge.
    bool SetPanes(const std::vector<int>& widths);
    bool SetPaneText(int pane, const std::wstring& text);
    std::wstring PaneText(int pane) const;
    // Keeps the bar along the parent's bottom edge after the parent resized.
    void Reposition() { SendMessageW(Handle(), WM_SIZE, 0, 0); }
    int Height() const;
};

// Dialog units of `dialog` (its template font) to pixels.
RECT DialogUnitsToPixels(HWND dialog, const RECT& dialogUnits);

}  // namespace dravolt
