// The enable rules of command_rules.h. "Ready" is the store prepared and no
// scanner command running: a command started meanwhile would hand the worker
// a second code through its single slot.
#include "ui/main/command_rules.h"

#include "ui/main/main_ui_ids.h"

namespace dravolt::mainui {

namespace {
bool Ready(const WindowState& s) { return s.storeReady && s.idle; }
bool Selected(const WindowState& s) { return s.selectedRow >= 0 && s.selectedRow < s.pageCount; }
}  // namespace

bool MenuCommandEnabled(int command, const WindowState& s)
{
    switch (command) {
    case ID_FILE_IMPORT_IMAGES:
    case ID_FILE_IMPORT_FOLDER:
    case ID_FILE_EXIT:
        return Ready(s);
    case ID_FILE_SAVE:
    case ID_FILE_SEND:
    case ID_EDIT_DELETE_ALL:
        return Ready(s) && s.pageCount > 0;
    case ID_SCAN_SCAN:
    case ID_SCAN_SETTINGS:
        return Ready(s) && s.scannersPresent;
    case ID_EDIT_DELETE_PAGE:
        return Ready(s) && Selected(s);
    case ID_EDIT_MOVE_FIRST:
        return Ready(s) && s.pageCount >= 2 && Selected(s) && s.selectedRow != 0;
    case ID_EDIT_MOVE_LAST:
        return Ready(s) && s.pageCount >= 2 && Selected(s) && s.selectedRow != s.pageCount - 1;
    case ID_EDIT_OPTIMIZE:
        return Ready(s) && s.viewerHasImage;
    case ID_EDIT_REORDER:
        return Ready(s) && s.pageCount >= 2;
    case ID_SCAN_SELECT:
        // Select Scanner hands the worker a command too: refused while one runs.
        return s.idle;
    default:
        return true;  // About, the arrow's Import Folder and foreign items
    }
}

bool ToolbarButtonEnabled(int button, const WindowState& s)
{
    switch (button) {
    case IDB_SCAN:
    case IDB_IMPORT:
        return s.idle;
    case IDB_SAVE:
        return s.idle && s.pageCount > 0;
    case IDB_SEND:
        return s.idle && (s.saved || s.pageCount > 0);
    case IDB_ROTATE_LEFT:
    case IDB_ROTATE_RIGHT:
    case IDB_ZOOM_IN:
    case IDB_ZOOM_OUT:
    case IDB_ZOOM_ACTUAL:
    case IDB_OPTIMIZE:
        return s.idle && s.viewerHasImage;
    default:
        return false;
    }
}

}  // namespace dravolt::mainui
