// The About box: the product logo, the version, one line about the
// program, the web page and the support address as links, and OK. Run
// modally from the Help menu; its result is not used. The controls paint
// everything; the dialog only gives its own background a grey brush.
#pragma once

#include <string>

#include "framework/dialog_win.h"
#include "ui/controls/button_win.h"
#include "ui/controls/panels_win.h"
#include "ui/main/about/window_icons_win.h"

namespace dravolt {

class CAboutDlg : public CDialog {
public:
    static constexpr wchar_t kVersionText[] = L"Version: 2.2.2";
    static constexpr wchar_t kWebAddress[] = L"https://www.dravolt.example/";
    static constexpr wchar_t kSupportAddress[] = L"support@dravolt.example";

    CAboutDlg();

    // The controls, for a look from tests once the dialog is initialised.
    const controls::CImagePanel& Logo() const { return logo_; }
    const controls::CLabelPanel& VersionLabel() const { return version_; }
    const controls::CLinkLabel& WebLink() const { return web_; }
    const controls::CLinkLabel& MailLink() const { return mail_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;

private:
    void AttachControls();
    void FillTexts();

    controls::CImagePanel logo_;
    controls::CLabelPanel version_;
    controls::CLabelPanel tagline_;
    controls::CLabelPanel webCaption_;
    controls::CLabelPanel mailCaption_;
    controls::CLinkLabel web_;
    controls::CLinkLabel mail_;
    controls::CImageButton ok_;
    about::CWindowIcons icons_;
};

}  // namespace dravolt
