// The About box on a real window under Wine: its texts and links, what a
// click on each link opens, the program icon, the grey background and the
// paint pass, and the modal run from a caller.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/icon/icon_ids.h"
#include "skin/tamsel.h"
#include "ui/controls/tests/test_windows_win.h"
#include "ui/main/about/about_dlg_win.h"
#include "ui/main/about/about_ids.h"

namespace dravolt {
namespace {

using controls::CLinkLabel;
using controls::test::Canvas;

std::vector<std::wstring> opened;
void RecordOpen(const std::wstring& target) { opened.push_back(target); }

// The box made modeless (so the test keeps the thread), with the shell's
// opener replaced by a recorder.
struct AboutBox : testing::Test {
    CAboutDlg dialog;

    void SetUp() override
    {
        work(0);  // the skin pack is loaded with the program
        opened.clear();
        CLinkLabel::SetOpener(&RecordOpen);
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
    }
    void TearDown() override { CLinkLabel::SetOpener(nullptr); }

    HWND Item(int id) const { return GetDlgItem(dialog.Handle(), id); }
    std::wstring ItemText(int id) const
    {
        wchar_t text[256] = L"";
        GetDlgItemTextW(dialog.Handle(), id, text, 256);
        return text;
    }
    void Click(int id)
    {
        SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(Item(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

TEST_F(AboutBox, ShowsItsVersionWhateverTheTemplateSays)
{
    const HWND plain = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), nullptr,
                                          &PlainDialogProc, 0);
    ASSERT_TRUE(plain);
    wchar_t templateText[64] = L"";
    GetDlgItemTextW(plain, IDC_ABOUT_VERSION, templateText, 64);
    DestroyWindow(plain);
    EXPECT_STRNE(templateText, L"Version: 2.2.2") << "the template carries another text";

    EXPECT_EQ(std::wstring(dialog.VersionLabel().ControlText().GetData()), L"Version: 2.2.2");
    EXPECT_EQ(ItemText(IDC_ABOUT_VERSION), L"Version: 2.2.2") << "the window text follows";
    wchar_t caption[64] = L"";
    GetWindowTextW(dialog.Handle(), caption, 64);
    EXPECT_STREQ(caption, L"About Dravolt");
    EXPECT_EQ(dialog.Logo().BackgroundImage().Compare(L"logo.png"), 0);
}

TEST_F(AboutBox, LinksShowAndOpenTheWebPageAndTheSupportMail)
{
    EXPECT_EQ(std::wstring(dialog.WebLink().ControlText().GetData()), L"https://www.dravolt.example/");
    EXPECT_EQ(dialog.WebLink().Link(), L"https://www.dravolt.example/");
    EXPECT_EQ(std::wstring(dialog.MailLink().ControlText().GetData()), L"support@dravolt.example");
    EXPECT_EQ(dialog.MailLink().Link(), L"support@dravolt.example");

    Click(IDC_ABOUT_WEB_LINK);
    Click(IDC_ABOUT_MAIL_LINK);
    EXPECT_EQ(opened, (std::vector<std::wstring>{
                          L"https://www.dravolt.example/",
                          L"mailto:support@dravolt.example?subject=feedback&Body=content",
                      }));
    EXPECT_TRUE(IsWindow(dialog.Handle())) << "a link click leaves the box open";
}

TEST_F(AboutBox, TheMailLinkEncodesAnAddressThatWouldBreakIt)
{
    controls::CLinkLabel label;
    const HWND stat = CreateWindowExW(0, L"STATIC", L"a b?cc=x@y.example", WS_CHILD | WS_VISIBLE, 0, 0, 150, 20,
                                      dialog.Handle(), reinterpret_cast<HMENU>(77), nullptr, nullptr);
    ASSERT_TRUE(label.Attach(stat));
    Click(77);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], L"mailto:a%20b%3Fcc%3Dx@y.example?subject=feedback&Body=content");
}

TEST_F(AboutBox, CarriesTheProgramIconBigAndSmall)
{
    EXPECT_TRUE(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DRAVOLT)));
    struct Size {
        WPARAM which;
        int metric;
    };
    for (const Size& s : {Size{ICON_BIG, SM_CXICON}, Size{ICON_SMALL, SM_CXSMICON}}) {
        const auto icon = reinterpret_cast<HICON>(SendMessageW(dialog.Handle(), WM_GETICON, s.which, 0));
        ASSERT_TRUE(icon) << s.which;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(s.metric)) << s.which;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

COLORREF BrushColour(LRESULT brush)
{
    LOGBRUSH logBrush{};
    if (!GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof logBrush, &logBrush))
        return CLR_INVALID;
    return logBrush.lbColor;
}

TEST_F(AboutBox, OnlyTheDialogItselfGetsTheKeptGreyBrush)
{
    Canvas canvas(8, 8);
    const LRESULT brush = SendMessageW(dialog.Handle(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(canvas.Dc()),
                                       reinterpret_cast<LPARAM>(dialog.Handle()));
    EXPECT_EQ(BrushColour(brush), RGB(128, 128, 128));

    CAboutDlg second;
    ASSERT_TRUE(second.CreateModeless(nullptr));
    EXPECT_EQ(SendMessageW(second.Handle(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(canvas.Dc()),
                           reinterpret_cast<LPARAM>(second.Handle())),
              brush)
        << "one brush for every box, kept for the process";

    const LRESULT control = SendMessageW(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()),
                                         reinterpret_cast<LPARAM>(Item(IDC_ABOUT_TAGLINE)));
    EXPECT_NE(control, brush) << "controls get the default";
}

TEST_F(AboutBox, PaintingValidatesAndTheBackgroundIsErasedGrey)
{
    RECT client{};
    GetClientRect(dialog.Handle(), &client);
    Canvas canvas(client.right, client.bottom);
    SendMessageW(dialog.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    EXPECT_EQ(canvas.At(2, client.bottom - 2), 0x808080u) << "a corner no control covers";

    InvalidateRect(dialog.Handle(), nullptr, TRUE);
    SendMessageW(dialog.Handle(), WM_PAINT, 0, 0);
    EXPECT_FALSE(GetUpdateRect(dialog.Handle(), nullptr, FALSE));
}

TEST_F(AboutBox, TheLogoIsASkinImageThePaintLibraryDraws)
{
    RECT r{};
    GetClientRect(Item(IDC_ABOUT_LOGO), &r);
    Canvas canvas(r.right, r.bottom);
    const_cast<controls::CImagePanel&>(dialog.Logo()).DrawAll(canvas.Dc());
    EXPECT_EQ(dialog.Logo().BackgroundImage().Compare(L"logo.png"), 0) << "a name it cannot draw is emptied";
    EXPECT_LT(canvas.Count(0x000000, {0, 0, r.right, r.bottom}), r.right * r.bottom) << "something was drawn";
}

// Clicks OK of the box once it shows; run on a thread timer of the modal loop.
void CALLBACK ClickOkWhenShown(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (const HWND box = FindWindowW(nullptr, L"About Dravolt")) {
        KillTimer(nullptr, timer);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    }
}

TEST(AboutBoxModal, RunsModallyUntilOk)
{
    work(0);
    CAboutDlg dialog;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &ClickOkWhenShown);
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(dialog.Handle());
}

}  // namespace
}  // namespace dravolt
