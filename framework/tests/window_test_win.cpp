// Real windows: binding through the trampoline, subclassing a control,
// lifetime, and reflection of child notifications.
#include <gtest/gtest.h>

#include <vector>

#include "framework/window_win.h"

namespace dravolt {
namespace {

class RecordingWindow : public CWindow {
public:
    std::vector<UINT> seen;
    int finalMessages = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        return CWindow::WindowProc(message, wParam, lParam);
    }
    void OnFinalMessage() override { ++finalMessages; }
};

bool Saw(const RecordingWindow& window, UINT message)
{
    return std::find(window.seen.begin(), window.seen.end(), message) != window.seen.end();
}

const RECT kRect{0, 0, 200, 100};

TEST(Window, CreatedWindowIsBoundFromItsFirstMessageUntilItsLast)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, kRect));
    const HWND handle = window.Handle();
    EXPECT_EQ(CWindow::FromHandle(handle), &window);
    EXPECT_EQ(window.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(Saw(window, WM_CREATE));
    EXPECT_FALSE(window.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, kRect)) << "one window per object";

    DestroyWindow(handle);
    EXPECT_EQ(window.finalMessages, 1);
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(CWindow::FromHandle(handle), nullptr);
}

TEST(Window, ObjectDestroysTheWindowItCreatedWithoutHearingItsDeath)
{
    HWND handle = nullptr;
    {
        RecordingWindow window;
        ASSERT_TRUE(window.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, kRect));
        handle = window.Handle();
    }
    EXPECT_FALSE(IsWindow(handle));
}

TEST(Window, AttachSubclassesAControlAndDetachGivesItBack)
{
    RecordingWindow parent;
    ASSERT_TRUE(parent.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, kRect));
    const HWND button = CreateWindowExW(0, L"BUTTON", L"Press", WS_CHILD | BS_PUSHBUTTON,
                                        0, 0, 80, 20, parent.Handle(),
                                        reinterpret_cast<HMENU>(42), nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    const auto original = GetWindowLongPtrW(button, GWLP_WNDPROC);
    {
        RecordingWindow control;
        ASSERT_TRUE(control.AttachDlgItem(parent.Handle(), 42));
        EXPECT_EQ(control.ControlId(), 42);
        EXPECT_EQ(control.Text(), L"Press") << "default processing reaches the button";
        EXPECT_TRUE(Saw(control, WM_GETTEXT));
        RecordingWindow second;
        EXPECT_FALSE(second.Attach(button)) << "a window has one object";
        control.Detach();
        EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), original);
        EXPECT_EQ(CWindow::FromHandle(button), nullptr);
    }
    EXPECT_TRUE(IsWindow(button)) << "an attached control belongs to its dialog";
}

// A child that handles its own click and drawing, as owner-drawn controls do.
class SelfContainedButton : public RecordingWindow {
public:
    std::vector<UINT> reflected;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        reflected.push_back(message);
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            return true;
        if (message == WM_DRAWITEM) {
            result = TRUE;
            return true;
        }
        return false;
    }
};

TEST(Window, ChildNotificationsAreOfferedToTheChildFirst)
{
    RecordingWindow parent;
    ASSERT_TRUE(parent.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, kRect));
    int parentClicks = 0;
    parent.Commands().On(7, [&] { ++parentClicks; });
    parent.Commands().On(8, [&] { ++parentClicks; });
    auto makeButton = [&](int id, DWORD style) {
        return CreateWindowExW(0, L"BUTTON", L"B", WS_CHILD | WS_VISIBLE | style, 0, 0, 80, 20,
                               parent.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr);
    };
    SelfContainedButton drawn;
    ASSERT_TRUE(drawn.Attach(makeButton(7, BS_OWNERDRAW)));
    const HWND plain = makeButton(8, BS_PUSHBUTTON);

    SendMessageW(parent.Handle(), WM_COMMAND, MAKEWPARAM(7, BN_CLICKED),
                 reinterpret_cast<LPARAM>(drawn.Handle()));
    EXPECT_EQ(parentClicks, 0) << "the child handled its own click";
    SendMessageW(parent.Handle(), WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), reinterpret_cast<LPARAM>(plain));
    EXPECT_EQ(parentClicks, 1) << "a child without an object leaves it to the parent";

    ShowWindow(parent.Handle(), SW_SHOWNOACTIVATE);
    InvalidateRect(drawn.Handle(), nullptr, TRUE);
    UpdateWindow(drawn.Handle());  // the button asks its parent to draw it
    EXPECT_NE(std::find(drawn.reflected.begin(), drawn.reflected.end(), static_cast<UINT>(WM_DRAWITEM)),
              drawn.reflected.end());
    EXPECT_FALSE(Saw(parent, WM_DRAWITEM)) << "handled by the child";
}

TEST(Window, ExceptionInAHandlerDoesNotUnwindThroughTheSystem)
{
    RecordingWindow window;
    ASSERT_TRUE(window.Create(nullptr, 0, WS_OVERLAPPEDWINDOW, kRect));
    window.Commands().On(5, [] { throw std::runtime_error("handler failed"); });
    EXPECT_EQ(SendMessageW(window.Handle(), WM_COMMAND, 5, 0), 0);
    EXPECT_TRUE(IsWindow(window.Handle()));
}

}  // namespace
}  // namespace dravolt
