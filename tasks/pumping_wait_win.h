// Waiting for a kernel object on the user-interface thread without freezing
// it: messages that arrive meanwhile are dispatched through the framework.
#pragma once

#include <windows.h>

namespace dravolt {

// Returns when `object` is signalled. After WM_QUIT (which is posted again
// for the outer loops) the rest of the wait no longer pumps.
void WaitPumpingMessages(HANDLE object);

}  // namespace dravolt
