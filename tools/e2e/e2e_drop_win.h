// A file drop made the way a shell drag makes it: a data object carrying the
// paths as CF_HDROP, and the OLE drag loop run from this process over
// whatever window lies under the cursor.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// What one drag loop did, for the step to judge and to explain a failure.
struct DropOutcome {
    HRESULT result = E_FAIL;        // DoDragDrop's answer
    DWORD effect = DROPEFFECT_NONE; // the effect the target chose
    int queries = 0;                // QueryContinueDrag calls
    DWORD feedback = DROPEFFECT_NONE; // effects the target offered, or-ed
};

// The CF_HDROP block for `paths` (Windows paths): DROPFILES followed by the
// wide, NUL-ended paths and one more NUL.
std::vector<BYTE> DropFilesBlock(const std::vector<std::wstring>& paths);

// Runs the drag loop with `paths` from the current cursor position. The
// drop is released once the target under the cursor has accepted a copy,
// and the drag is cancelled when no target accepts within `maxQueries`
// calls. OLE is initialised for the call.
DropOutcome DragAndDropFiles(const std::vector<std::wstring>& paths, int maxQueries);

}  // namespace e2e
