// The part of the main window the benchmark drives: a maximised top-level
// window with the page list in a 170-pixel column at the left and the page
// viewer filling the rest, below room for the top toolbar and above room
// for the bottom bar and status bar. A selection change of the list shows
// the selected page in the viewer, as the main window does.
#pragma once

#include <windows.h>

#include "document/page_list_box_win.h"
#include "framework/window_win.h"
#include "ui/main/page_item_viewer_win.h"

namespace dravolt::bench {

class CBenchFrame final : public CWindow {
public:
    // Creates the window maximised with both children; false on failure.
    bool Open();

    CPageListBox& List() { return list_; }
    CPageItemViewer& Viewer() { return viewer_; }
    RECT ListRect() const { return listRect_; }
    RECT ViewerRect() const { return viewerRect_; }
    // How often a selection notification made the viewer take a picture.
    int ViewerRefreshes() const { return viewerRefreshes_; }

    // Paints whatever is invalid in the window and its children now.
    void PaintNow() const { UpdateWindow(Handle()); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSelectionChange();

    CPageItemViewer viewer_;
    // Declared after the viewer, so the list and its pages go first.
    CPageListBox list_;
    RECT listRect_{};
    RECT viewerRect_{};
    int viewerRefreshes_ = 0;
};

}  // namespace dravolt::bench
