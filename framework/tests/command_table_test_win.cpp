// Command routing by identifier and notification code.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "framework/command_table.h"

namespace dravolt {
namespace {

TEST(CommandTable, RoutesByIdentifierCodeAndRange)
{
    CCommandTable table;
    std::vector<UINT> calls;
    table.On(100, [&] { calls.push_back(100); });
    table.On(200, EN_CHANGE, [&] { calls.push_back(200); });
    table.OnRange(61441, 61450, [&](UINT id) { calls.push_back(id); });

    EXPECT_TRUE(table.DispatchCommand(MAKEWPARAM(100, 0)));       // menu or click
    EXPECT_TRUE(table.DispatchCommand(MAKEWPARAM(100, 1)));       // accelerator
    EXPECT_FALSE(table.DispatchCommand(MAKEWPARAM(100, EN_KILLFOCUS)));
    EXPECT_FALSE(table.DispatchCommand(MAKEWPARAM(200, BN_CLICKED)));
    EXPECT_TRUE(table.DispatchCommand(MAKEWPARAM(200, EN_CHANGE)));
    EXPECT_TRUE(table.DispatchCommand(MAKEWPARAM(61450, 0)));
    EXPECT_FALSE(table.DispatchCommand(MAKEWPARAM(61451, 0)));
    EXPECT_EQ(calls, (std::vector<UINT>{100, 100, 200, 61450}));
}

// Notification code 1 is both an accelerator and a control's selection
// change (CBN_SELCHANGE, LBN_SELCHANGE); only the sender tells them apart.
TEST(CommandTable, CodeOneIsAClickOnlyWithoutASendingControl)
{
    CCommandTable table;
    std::vector<UINT> calls;
    table.On(300, [&] { calls.push_back(300); });
    table.On(400, CBN_SELCHANGE, [&] { calls.push_back(400); });
    table.On(400, BN_CLICKED, [&] { calls.push_back(401); });
    const LPARAM control = reinterpret_cast<LPARAM>(GetDesktopWindow());

    struct Case {
        UINT id;
        LPARAM sender;
        bool handled;
        std::vector<UINT> calls;
    };
    const Case cases[] = {
        {300, 0, true, {300}},        // accelerator of a click command
        {300, control, false, {}},    // a control's code 1 is no click
        {400, control, true, {400}},  // the selection change from the combo box
        {400, 0, true, {400}},        // a registered code 1 wins over the click
    };
    for (const Case& c : cases) {
        calls.clear();
        EXPECT_EQ(table.DispatchCommand(MAKEWPARAM(c.id, 1), c.sender), c.handled) << c.id;
        EXPECT_EQ(calls, c.calls) << c.id << " from " << c.sender;
    }
}

TEST(CommandTable, NotifyHandlerAnswers)
{
    CCommandTable table;
    table.OnNotify(1001, LVN_ITEMCHANGED, [](NMHDR& header) { return static_cast<LRESULT>(header.idFrom + 1); });
    NMHDR header{nullptr, 1001, LVN_ITEMCHANGED};
    LRESULT result = 0;
    EXPECT_TRUE(table.DispatchNotify(header, result));
    EXPECT_EQ(result, 1002);
    header.code = NM_CLICK;
    EXPECT_FALSE(table.DispatchNotify(header, result));
}

TEST(CommandTable, HandlerMayReplaceTheTableWhileRunning)
{
    CCommandTable table;
    int runs = 0;
    table.On(1, [&] {
        ++runs;
        table = CCommandTable();  // as a window closing itself would
    });
    EXPECT_TRUE(table.DispatchCommand(1));
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(table.DispatchCommand(1));
}

}  // namespace
}  // namespace dravolt
