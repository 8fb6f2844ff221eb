// The About box of about_dlg_win.h.
#include "ui/main/about/about_dlg_win.h"

#include "framework/handles_win.h"
#include "framework/window_placement_win.h"
#include "ui/main/about/about_ids.h"

namespace dravolt {

namespace {

// Made on first use and kept for the life of the process: every About box
// shares it, and the system never deletes a brush it is handed.
HBRUSH GreyBrush()
{
    static const UniqueBrush brush(CreateSolidBrush(RGB(128, 128, 128)));
    return brush.Get();
}

// Sets a control's text only when it differs (the control then redraws);
// the window text follows, so what a reader of the window sees is what the
// control shows.
void SetTextIfDifferent(controls::CControl& control, const wchar_t* text)
{
    if (control.ControlText().Compare(text) == 0)
        return;
    control.SetControlText(text);
    control.SetText(text);
}

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

bool CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CentreOverOwner(Handle(), GetWindow(Handle(), GW_OWNER));
    icons_.Apply(Handle());
    AttachControls();
    FillTexts();
    return true;
}

void CAboutDlg::AttachControls()
{
    const HWND dialog = Handle();
    logo_.AttachDlgItem(dialog, IDC_ABOUT_LOGO);
    version_.AttachDlgItem(dialog, IDC_ABOUT_VERSION);
    tagline_.AttachDlgItem(dialog, IDC_ABOUT_TAGLINE);
    webCaption_.AttachDlgItem(dialog, IDC_ABOUT_WEB_CAPTION);
    mailCaption_.AttachDlgItem(dialog, IDC_ABOUT_MAIL_CAPTION);
    web_.AttachDlgItem(dialog, IDC_ABOUT_WEB_LINK);
    mail_.AttachDlgItem(dialog, IDC_ABOUT_MAIL_LINK);
    ok_.AttachDlgItem(dialog, IDOK);
}

void CAboutDlg::FillTexts()
{
    if (logo_.BackgroundImage().Compare(L"logo.png") != 0)
        logo_.SetBackgroundImage(L"logo.png");
    SetTextIfDifferent(version_, kVersionText);
    SetTextIfDifferent(web_, kWebAddress);
    web_.SetLink(kWebAddress);
    SetTextIfDifferent(mail_, kSupportAddress);
    mail_.SetLink(kSupportAddress);
}

LRESULT CAboutDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORDLG:
        return reinterpret_cast<LRESULT>(GreyBrush());
    case WM_PAINT: {
        // Painting only validates: the background is erased with the grey
        // brush, and the controls draw the rest themselves.
        const PaintContext paint(Handle());
        return 0;
    }
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

}  // namespace dravolt
