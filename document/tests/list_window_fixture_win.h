// A real page list window in a parent that records what the list tells it,
// with generated page files; shared by the window tests and the screenshot.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/page_list_box_win.h"
#include "document/page_list_messages.h"
#include "document/tests/page_fixtures.h"

namespace dravolt::test {

class RecordingParent : public CWindow {
public:
    std::vector<std::vector<std::wstring>> drops;
    int selectionChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kFilesDroppedMessage) {
            drops.push_back(*reinterpret_cast<const std::vector<std::wstring>*>(wParam));
            return 0;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE)
            ++selectionChanges;
        return CWindow::WindowProc(message, wParam, lParam);
    }
};

struct ListWindow {
    RecordingParent parent;
    std::unique_ptr<CPageListBox> list = std::make_unique<CPageListBox>();
    ListWindow(int width = 140, int height = 500)
    {
        parent.Create(nullptr, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, width + 40, height + 60});
        list->Create(parent.Handle(), 100, {0, 0, width, height});
        list->SetChangeTarget(parent.Handle());
    }
};

// Runs every message waiting for this thread's windows.
inline void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace dravolt::test
