// Message pumping shared by the application loop, modal dialogs and code that
// waits while keeping the windows alive (background tasks, the scanner
// thread's hand-off): every queued message is first offered to the framework
// windows it concerns (PreTranslateMessage, then dialog keyboard handling).
#pragma once

#include <windows.h>

namespace dravolt {

// Offers `message` to the framework windows from its target up to its top
// window, then to that window's dialog navigation; true when consumed.
bool PreTranslateForFramework(MSG& message);

// Waits for one message and dispatches it. False on WM_QUIT, which is posted
// again so that every enclosing loop ends too. `pumped` receives the message.
bool PumpMessage(MSG* pumped = nullptr);

// Dispatches what is queued now without waiting. False on WM_QUIT.
bool PumpPendingMessages();

// Whether a message counts as activity that restarts idle processing
// (not a paint, the caret blink timer, or a mouse move that did not move).
bool IsIdleMessage(const MSG& message);

}  // namespace dravolt
