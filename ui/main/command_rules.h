// Which commands and toolbar buttons of the main window are enabled, from
// the window's state alone; the idle pass applies the answers.
#pragma once

namespace dravolt::mainui {

struct WindowState {
    bool idle = true;            // no scanner command is running
    bool storeReady = false;     // the working folder of page files exists
    bool scannersPresent = false;
    bool viewerHasImage = false;
    bool saved = false;
    int pageCount = 0;
    int selectedRow = -1;        // -1: no row selected
};

// A menu command (32900 to 32916, 32843, 32852, 32774); other numbers keep
// their state and answer true.
bool MenuCommandEnabled(int command, const WindowState& state);
// A toolbar button (61441 to 61450); unknown buttons answer false.
bool ToolbarButtonEnabled(int button, const WindowState& state);

}  // namespace dravolt::mainui
