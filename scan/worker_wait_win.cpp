#include "scan/worker_wait_win.h"

#include "framework/message_loop_win.h"

namespace dravolt {

namespace {

constexpr DWORD kSliceMs = 10;

void DispatchOne(std::optional<int>& quit)
{
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return;  // only sent messages were waiting; PeekMessage delivered them
    if (message.message == WM_QUIT) {
        quit = static_cast<int>(message.wParam);
        return;
    }
    if (!PreTranslateForFramework(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

std::optional<int> WaitForWorker(HANDLE done, HANDLE thread, bool pump)
{
    const HANDLE handles[2] = {done, thread};
    std::optional<int> quit;
    for (;;) {
        const DWORD woken =
            pump ? MsgWaitForMultipleObjectsEx(2, handles, kSliceMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE)
                 : WaitForMultipleObjects(2, handles, FALSE, kSliceMs);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_OBJECT_0 + 1 || woken == WAIT_FAILED)
            return quit;
        if (pump && woken == WAIT_OBJECT_0 + 2)
            DispatchOne(quit);
    }
}

}  // namespace dravolt
