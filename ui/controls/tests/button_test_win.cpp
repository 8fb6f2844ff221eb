// Skinned push buttons and link labels on real windows, driven by messages.
#include <gtest/gtest.h>

#include "skin/tamsel.h"
#include "ui/controls/button_win.h"
#include "ui/controls/panels_win.h"
#include "ui/controls/tests/test_windows_win.h"

namespace dravolt::controls {
namespace {

using test::At;
using test::Canvas;
using test::RecordingParent;

// A system push button taken over by a CImageButton, as a dialog's would be.
struct SkinnedButton {
    RecordingParent parent;
    CImageButton button;
    SkinnedButton()
    {
        work(0);  // the skin pack is loaded with the program
        const HWND system = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10,
                                            104, 26, parent.Handle(), reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
        button.Attach(system);
    }
    std::wstring Picture() const { return button.CurrentPicture().GetData(); }
    void Send(UINT message, LPARAM point) { SendMessageW(button.Handle(), message, 0, point); }
};

TEST(ImageButton, AttachingMakesTheSystemButtonOwnerDrawn)
{
    SkinnedButton b;
    EXPECT_EQ(GetWindowLongPtrW(b.button.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(b.button.ControlText().Compare(L"OK"), 0);
}

TEST(ImageButton, FacesFollowHoverPressAndDrag)
{
    SkinnedButton b;
    EXPECT_EQ(b.Picture(), L"button_normal.png");
    b.Send(WM_MOUSEMOVE, At(5, 5));  // starts tracking: the mouse is over it
    EXPECT_EQ(b.Picture(), L"button_hover.png");
    b.Send(WM_LBUTTONDOWN, At(5, 5));
    EXPECT_EQ(b.Picture(), L"button_pushed.png");
    b.Send(WM_MOUSEMOVE, At(200, 5));
    EXPECT_EQ(b.Picture(), L"button_normal.png") << "dragged out with the capture kept";
    b.Send(WM_MOUSEMOVE, At(6, 6));
    EXPECT_EQ(b.Picture(), L"button_pushed.png") << "dragged back in";
    b.Send(WM_MOUSEMOVE, At(200, 5));
    b.Send(WM_LBUTTONUP, At(200, 5));
    EXPECT_TRUE(b.parent.commands.empty()) << "released outside";

    b.Send(WM_LBUTTONDOWN, At(5, 5));
    b.Send(WM_LBUTTONUP, At(5, 5));
    ASSERT_EQ(b.parent.commands.size(), 1u);
    EXPECT_EQ(b.parent.commands[0].id, IDOK);
}

TEST(ImageButton, FacesPaintDifferentPictures)
{
    SkinnedButton b;
    auto paint = [&] {
        Canvas canvas(104, 26);
        b.button.DrawAll(canvas.Dc());
        return canvas.At(52, 20);
    };
    const std::uint32_t normal = paint();
    b.Send(WM_MOUSEMOVE, At(5, 5));
    const std::uint32_t hover = paint();
    b.Send(WM_LBUTTONDOWN, At(5, 5));
    const std::uint32_t pushed = paint();
    EXPECT_NE(normal, hover);
    EXPECT_NE(hover, pushed);
    EXPECT_FALSE(b.button.BackgroundImage().IsEmpty()) << "the skin pack has the normal picture";
}

TEST(ImageButton, DoubleClickSendsTwoCommandsAndDisabledNone)
{
    SkinnedButton b;
    b.Send(WM_LBUTTONDOWN, At(5, 5));
    b.Send(WM_LBUTTONUP, At(5, 5));
    b.Send(WM_LBUTTONDBLCLK, At(5, 5));
    b.Send(WM_LBUTTONUP, At(5, 5));
    EXPECT_EQ(b.parent.commands.size(), 2u);

    EnableWindow(b.button.Handle(), FALSE);
    EXPECT_TRUE(b.button.IsDisabled());
    b.Send(WM_LBUTTONDBLCLK, At(5, 5));
    b.Send(WM_LBUTTONUP, At(5, 5));
    EXPECT_EQ(b.parent.commands.size(), 2u);
    EXPECT_TRUE(b.button.CurrentPicture().IsEmpty()) << "no disabled picture";
}

TEST(ImageButton, SpaceBarClicksThroughTheSystemButton)
{
    SkinnedButton b;
    SetFocus(b.button.Handle());
    SendMessageW(b.button.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(b.button.Handle(), WM_KEYUP, VK_SPACE, 0);
    ASSERT_EQ(b.parent.commands.size(), 1u);
    EXPECT_EQ(b.parent.commands[0].id, IDOK);
}

std::vector<std::wstring> opened;
void RecordOpen(const std::wstring& target) { opened.push_back(target); }

TEST(LinkLabel, ClickOpensItsLinkOrAMailAndTheParentSeesNothing)
{
    RecordingParent parent;
    CLinkLabel label;
    const HWND stat = CreateWindowExW(0, L"STATIC", L"help@example.org", WS_CHILD | WS_VISIBLE, 0, 0, 150, 20,
                                      parent.Handle(), reinterpret_cast<HMENU>(7), nullptr, nullptr);
    ASSERT_TRUE(label.Attach(stat));
    label.SetLink(L"https://example.org/");
    CLinkLabel::SetOpener(&RecordOpen);
    opened.clear();
    SendMessageW(label.Handle(), WM_LBUTTONDOWN, 0, At(3, 3));
    SendMessageW(label.Handle(), WM_LBUTTONUP, 0, At(3, 3));
    CLinkLabel::SetOpener(nullptr);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], L"mailto:help@example.org?subject=feedback&Body=content");
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(SendMessageW(label.Handle(), WM_NCHITTEST, 0, MAKELPARAM(3, 3)), HTCLIENT)
        << "the label hears the mouse";

    label.SetControlText(L"Web site");
    EXPECT_EQ(label.ClickTarget(), L"https://example.org/");
}

TEST(LinkLabel, TurnsRedUnderTheMouseAndBlueWhenItLeaves)
{
    RecordingParent parent;
    CLinkLabel label;
    ASSERT_TRUE(label.Create(parent.Handle(), 8, WS_CHILD | WS_VISIBLE, {0, 0, 150, 20}, 0, L"Web site"));
    EXPECT_EQ(label.CurrentColour(), 0xFF0000FFu);
    SendMessageW(label.Handle(), WM_MOUSEHOVER, 0, At(3, 3));
    EXPECT_EQ(label.CurrentColour(), 0xFFC80000u);
    SendMessageW(label.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label.CurrentColour(), 0xFF0000FFu);
}

}  // namespace
}  // namespace dravolt::controls
