// The toolbar on a real window, driven by mouse messages: layout widths,
// clicks and arrow clicks to the parent, disabled buttons, tooltips, and
// the order of hover events.
#include <gtest/gtest.h>

#include <vector>

#include "framework/window_win.h"
#include "skin/tamsel.h"
#include "ui/windowless/toolbar_win.h"

namespace dravolt::windowless {
namespace {

class Parent : public CWindow {
public:
    std::vector<WPARAM> clicks;
    Parent() { Create(nullptr, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, {0, 0, 500, 200}); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kToolbarClickMessage) {
            clicks.push_back(wParam);
            return 0;
        }
        return CWindow::WindowProc(message, wParam, lParam);
    }
};

void Pump()
{
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&m);
}

struct Fixture {
    Parent parent;
    CDUIToolbar toolbar;
    Fixture()
    {
        work(0);
        const HWND placeholder = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 50,
                                                 parent.Handle(), reinterpret_cast<HMENU>(1000), nullptr, nullptr);
        toolbar.Attach(placeholder);
        toolbar.AddTextButton(61442, L"Scan", L"scanner.png", L"Scan pages");
        toolbar.AddImportButton();
        toolbar.AddSeparator();
        toolbar.AddTextButton(61443, L"Save", L"save_all.png", L"Save as PDF");
        toolbar.AddIconButton(61444, L"send.png", L"Send");
        toolbar.SetButtonWidth(61442, 70);
        toolbar.SetButtonWidth(kImportCommand, 85);
        toolbar.SetButtonWidth(61443, 70);
        UpdateWindow(toolbar.Handle());
    }
    RECT Rect(int id) { return toolbar.GetButtonRect(id).value_or(RECT{}); }
    void Mouse(UINT message, POINT at) { SendMessageW(toolbar.Handle(), message, 0, MAKELPARAM(at.x, at.y)); }
    void Click(POINT at)
    {
        Mouse(WM_MOUSEMOVE, at);
        Mouse(WM_LBUTTONDOWN, at);
        Mouse(WM_LBUTTONUP, at);
        Pump();
    }
    POINT Middle(int id)
    {
        const RECT r = Rect(id);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST(Toolbar, LaysButtonsOutByTheirWidths)
{
    Fixture f;
    RECT window{};
    GetClientRect(f.toolbar.Handle(), &window);
    EXPECT_EQ(window.bottom, 32) << "the bar height";
    EXPECT_EQ(window.right, 400);
    // Margins 2, padding 2: 70, 85, separator 2, 70, then the 32 of the icon button.
    struct Case { int id, left, right; };
    const Case cases[] = {{61442, 2, 72}, {kImportCommand, 74, 159}, {61443, 165, 235}, {61444, 237, 269}};
    for (const Case& c : cases) {
        const RECT r = f.Rect(c.id);
        EXPECT_EQ(r.left, c.left) << c.id;
        EXPECT_EQ(r.right, c.right) << c.id;
        EXPECT_EQ(r.top, 2);
        EXPECT_EQ(r.bottom, 30);
    }
    EXPECT_FALSE(f.toolbar.GetButtonRect(12345));
}

TEST(Toolbar, DuplicateIdentifierLeavesTheBarUnchanged)
{
    Fixture f;
    EXPECT_FALSE(f.toolbar.AddTextButton(61442, L"Again", L"scanner.png", L""));
    EXPECT_FALSE(f.toolbar.AddImportButton());
    EXPECT_EQ(f.toolbar.Button(61442)->text, L"Scan");
}

TEST(Toolbar, ClicksReachTheParentWithTheirNumbers)
{
    Fixture f;
    f.Click(f.Middle(61442));
    const RECT import = f.Rect(kImportCommand);
    f.Click({import.left + 10, 15});          // the body of the import button
    f.Click({import.right - 4, 15});          // its drop-down arrow
    EXPECT_EQ(f.parent.clicks, (std::vector<WPARAM>{61442, kImportCommand, kImportArrowCommand}));
}

TEST(Toolbar, PressMoveOutAndReleaseGivesNoClickAndDisabledButtonsNone)
{
    Fixture f;
    const POINT inside = f.Middle(61443);
    f.Mouse(WM_LBUTTONDOWN, inside);
    EXPECT_TRUE(f.toolbar.Button(61443)->State() & state::kPushed);
    f.Mouse(WM_MOUSEMOVE, {inside.x, 45});
    EXPECT_FALSE(f.toolbar.Button(61443)->State() & state::kPushed);
    f.Mouse(WM_LBUTTONUP, {inside.x, 45});
    f.toolbar.EnableButton(61444, false);
    f.Click(f.Middle(61444));
    f.toolbar.EnableButton(kImportCommand, false);
    f.Click({f.Rect(kImportCommand).right - 4, 15});
    Pump();
    EXPECT_TRUE(f.parent.clicks.empty());
}

TEST(Toolbar, HoverShowsTheTooltipTextOfTheButton)
{
    Fixture f;
    f.toolbar.SetScanButtonTooltip(L"Scan with the document feeder");
    f.Mouse(WM_MOUSEMOVE, f.Middle(61442));
    SendMessageW(f.toolbar.Handle(), WM_MOUSEHOVER, 0, 0);
    const CTooltip& tip = f.toolbar.Manager().Tooltip();
    ASSERT_NE(tip.Handle(), nullptr);
    EXPECT_EQ(tip.ToolCount(), 1) << "the tool was added";
    EXPECT_EQ(tip.ToolText(1), L"Scan with the document feeder");
    f.Mouse(WM_MOUSEMOVE, f.Middle(kImportCommand));
    SendMessageW(f.toolbar.Handle(), WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(tip.ToolText(1), L"Import images");
}

TEST(Toolbar, MovingBetweenButtonsLeavesThenEnters)
{
    Fixture f;
    f.Mouse(WM_MOUSEMOVE, f.Middle(61442));
    EXPECT_TRUE(f.toolbar.Button(61442)->State() & state::kHot);
    f.Mouse(WM_MOUSEMOVE, f.Middle(61443));
    EXPECT_FALSE(f.toolbar.Button(61442)->State() & state::kHot);
    EXPECT_TRUE(f.toolbar.Button(61443)->State() & state::kHot);
    EXPECT_EQ(f.toolbar.Manager().Hover(), f.toolbar.Button(61443));

    // Closing while pressed releases the button without a click.
    f.Mouse(WM_LBUTTONDOWN, f.Middle(61443));
    SendMessageW(f.toolbar.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(f.toolbar.Button(61443)->State() & state::kCaptured);
    Pump();
    EXPECT_TRUE(f.parent.clicks.empty());
}

}  // namespace
}  // namespace dravolt::windowless
