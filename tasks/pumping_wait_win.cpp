#include "tasks/pumping_wait_win.h"

#include "framework/message_loop_win.h"

namespace dravolt {

void WaitPumpingMessages(HANDLE object)
{
    for (;;) {
        // MWMO_INPUTAVAILABLE: also wake for messages already queued but seen.
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &object, INFINITE, QS_ALLINPUT,
                                                        MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0)
            return;
        if (woken != WAIT_OBJECT_0 + 1 || !PumpPendingMessages()) {
            WaitForSingleObject(object, INFINITE);
            return;
        }
    }
}

}  // namespace dravolt
