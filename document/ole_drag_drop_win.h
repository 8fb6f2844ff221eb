// The drag-and-drop part of a list: it registers the window as an OLE drop
// target whose callbacks come back to the list as virtual calls, and starts
// drags with the list's data and the move-cursor drop source. OLE is
// initialised for the lifetime of the object.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "document/ole_data_win.h"

namespace dravolt {

class COleDragAndDropAble {
public:
    COleDragAndDropAble();
    virtual ~COleDragAndDropAble();
    COleDragAndDropAble(const COleDragAndDropAble&) = delete;
    COleDragAndDropAble& operator=(const COleDragAndDropAble&) = delete;

    // The list's drop target, the object OLE calls during a drag over it;
    // tests drive it directly where no drag loop can run.
    IDropTarget* DropTarget() const { return target_.Get(); }

protected:
    bool RegisterDropTarget(HWND window);
    void RevokeDropTarget();
    // Runs the modal OLE drag loop with `data`; the effect the target chose.
    DWORD StartDrag(IDataObject* data, DWORD allowed);

    // The drop target's callbacks; points are in screen coordinates.
    virtual DWORD OnDragEnter(IDataObject* data, POINT screen) = 0;
    virtual DWORD OnDragOver(POINT screen) = 0;
    virtual void OnDragLeave() = 0;
    virtual DWORD OnDrop(IDataObject* data, POINT screen) = 0;

private:
    class CTarget;
    bool oleReady_ = false;
    HWND registered_ = nullptr;  // not owned: the list's own window
    ComPtr<IDropTarget> target_;
};

}  // namespace dravolt
