// A development tool, not shipped: one window with the custom controls and
// a toolbar in each of their states, for looking at them on screen.
#include <windows.h>

#include "framework/application_win.h"
#include "framework/window_win.h"
#include "skin/tamsel.h"
#include "ui/controls/button_win.h"
#include "ui/controls/panels_win.h"
#include "ui/windowless/toolbar_win.h"

using namespace dravolt;

namespace {

class Gallery : public CWindow {
public:
    void Build()
    {
        Create(nullptr, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, {20, 20, 520, 300}, 0, L"Control gallery");
        toolbar_.Attach(Child(L"STATIC", L"", 0, 0, 480, 40, 1000));
        toolbar_.AddTextButton(61442, L"Scan", L"scanner.png", L"Scan");
        toolbar_.AddImportButton();
        toolbar_.AddSeparator();
        toolbar_.AddTextButton(61443, L"Save", L"save_all.png", L"Save");
        toolbar_.AddTextButton(61445, L"Send", L"send.png", L"Send");
        toolbar_.SetButtonWidth(61442, 70);
        toolbar_.SetButtonWidth(kImportCommand_, 85);
        toolbar_.SetButtonWidth(61443, 70);
        toolbar_.SetButtonWidth(61445, 70);
        toolbar_.EnableButton(61445, false);
        const wchar_t* captions[] = {L"Normal", L"Hover", L"Pushed", L"Disabled"};
        for (int i = 0; i < 4; ++i) {
            buttons_[i].Attach(Child(L"BUTTON", captions[i], 10 + i * 114, 60, 104, 26, 200 + i));
        }
        SendMessageW(buttons_[1].Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(buttons_[2].Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(buttons_[2].Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
        EnableWindow(buttons_[3].Handle(), FALSE);
        label_.Attach(Child(L"STATIC", L"A label panel, vertically centred", 10, 100, 300, 24, 300));
        link_.Attach(Child(L"STATIC", L"help@example.org", 10, 130, 200, 24, 301));
        image_.Attach(Child(L"STATIC", L"", 10, 160, 283, 76, 302));
        image_.SetBackgroundImage(L"no_scanner.png");
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND) {
            // The framework class has no brush; the controls show this through.
            RECT client{};
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return CWindow::WindowProc(message, wParam, lParam);
    }

private:
    static constexpr int kImportCommand_ = windowless::kImportCommand;
    HWND Child(LPCWSTR cls, LPCWSTR text, int x, int y, int w, int h, int id)
    {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE, x, y, w, h, Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    windowless::CDUIToolbar toolbar_;
    controls::CImageButton buttons_[4];
    controls::CLabelPanel label_;
    controls::CLinkLabel link_;
    controls::CImagePanel image_;
};

class GalleryApp : public CApplication {
    bool InitInstance() override
    {
        work(0);  // the skin pack hands its images to the paint library
        gallery_.Build();
        SetMainWindow(gallery_.Handle());
        return true;
    }
    Gallery gallery_;
};

GalleryApp theApp;

}  // namespace
