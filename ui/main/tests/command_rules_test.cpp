// The enable rules as a table of window states against every command and
// button.
#include <gtest/gtest.h>

#include <string>

#include "ui/main/command_rules.h"
#include "ui/main/main_ui_ids.h"

namespace dravolt::mainui {
namespace {

WindowState Pages(int count, int selected)
{
    WindowState s;
    s.storeReady = true;
    s.pageCount = count;
    s.selectedRow = selected;
    s.viewerHasImage = selected >= 0;
    return s;
}

struct Row {
    const char* name;
    WindowState state;
    // Commands in this order: import images, import folder, exit, save, send,
    // scan, settings, delete page, delete all, first, last, optimize,
    // reorder, select scanner, about.
    std::string menu;
    // Buttons: scan, import, save, send, rotate left .. optimize (6).
    std::string buttons;
};

WindowState NotReady() { WindowState s = Pages(2, 0); s.storeReady = false; return s; }
WindowState Busy() { WindowState s = Pages(2, 1); s.idle = false; s.scannersPresent = true; return s; }
WindowState Scanner() { WindowState s = Pages(0, -1); s.scannersPresent = true; return s; }

constexpr int kMenu[] = {ID_FILE_IMPORT_IMAGES, ID_FILE_IMPORT_FOLDER, ID_FILE_EXIT, ID_FILE_SAVE, ID_FILE_SEND,
                         ID_SCAN_SCAN, ID_SCAN_SETTINGS, ID_EDIT_DELETE_PAGE, ID_EDIT_DELETE_ALL,
                         ID_EDIT_MOVE_FIRST, ID_EDIT_MOVE_LAST, ID_EDIT_OPTIMIZE, ID_EDIT_REORDER, ID_SCAN_SELECT,
                         ID_HELP_ABOUT};
constexpr int kButtons[] = {IDB_SCAN, IDB_IMPORT, IDB_SAVE, IDB_SEND, IDB_ROTATE_LEFT, IDB_ROTATE_RIGHT,
                            IDB_ZOOM_IN, IDB_ZOOM_OUT, IDB_ZOOM_ACTUAL, IDB_OPTIMIZE};

TEST(CommandRules, EveryCommandAndButtonInEveryState)
{
    const Row rows[] = {
        {"no pages", Pages(0, -1), "111000000000011", "1100000000"},
        {"one page", Pages(1, 0), "111110011001011", "1111111111"},
        {"two, first selected", Pages(2, 0), "111110011011111", "1111111111"},
        {"two, last selected", Pages(2, 1), "111110011101111", "1111111111"},
        {"two, none selected", Pages(2, -1), "111110001000111", "1111000000"},
        {"scanner present", Scanner(), "111001100000011", "1100000000"},
        {"store not ready", NotReady(), "000000000000011", "1111111111"},
        {"scanner command running", Busy(), "000000000000001", "0000000000"},
    };
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < std::size(kMenu); ++i)
            EXPECT_EQ(MenuCommandEnabled(kMenu[i], row.state), row.menu[i] == '1') << row.name << " menu " << kMenu[i];
        for (std::size_t i = 0; i < std::size(kButtons); ++i)
            EXPECT_EQ(ToolbarButtonEnabled(kButtons[i], row.state), row.buttons[i] == '1')
                << row.name << " button " << kButtons[i];
    }
}

TEST(CommandRules, SendStaysEnabledAfterASaveWithNoPagesLeft)
{
    WindowState s = Pages(0, -1);
    s.saved = true;
    EXPECT_TRUE(ToolbarButtonEnabled(IDB_SEND, s));
    EXPECT_FALSE(MenuCommandEnabled(ID_FILE_SEND, s));
}

}  // namespace
}  // namespace dravolt::mainui
