#include "framework/message_loop_win.h"

#include "framework/dialog_win.h"

namespace dravolt {

namespace {
constexpr UINT kCaretBlinkTimer = 0x0118;  // WM_SYSTIMER, undocumented
}

bool PreTranslateForFramework(MSG& message)
{
    if (!message.hwnd)
        return false;
    for (HWND window = message.hwnd; window; window = GetParent(window)) {
        CWindow* object = CWindow::FromHandle(window);
        if (object && object->PreTranslateMessage(message))
            return true;
        if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
            break;
    }
    // Tab, arrows, Enter and Escape of the framework's dialogs.
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return dynamic_cast<CDialog*>(CWindow::FromHandle(root)) && IsDialogMessageW(root, &message);
}

bool PumpMessage(MSG* pumped)
{
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
        return false;
    }
    if (pumped)
        *pumped = message;
    if (!PreTranslateForFramework(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

bool PumpPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!PumpMessage())
            return false;
    }
    return true;
}

bool IsIdleMessage(const MSG& message)
{
    static POINT lastMousePoint{-1, -1};
    if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
        const bool moved = message.pt.x != lastMousePoint.x || message.pt.y != lastMousePoint.y;
        lastMousePoint = message.pt;
        return moved;
    }
    return message.message != WM_PAINT && message.message != kCaretBlinkTimer;
}

}  // namespace dravolt
