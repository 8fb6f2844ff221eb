// The application object: one per process. wWinMain hands control to it;
// InitInstance does the program's work and returns whether the framework's
// own message loop should run afterwards.
#pragma once

#include <windows.h>

#include <string>

namespace dravolt {

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // The single application object, or null before it is constructed.
    static CApplication* Current();

    // Runs InitInstance and, when it returns true, the message loop.
    int Start(HINSTANCE instance);

    HINSTANCE Instance() const { return instance_; }
    const std::wstring& AppName() const { return appName_; }
    void SetAppName(std::wstring name) { appName_ = std::move(name); }
    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    // A message box with the application name as caption, owned by the main
    // window when there is one.
    int MessageBox(const std::wstring& text, UINT flags = MB_OK) const;
    // The same, owned by `owner` (a dialog showing a prompt about itself).
    int MessageBox(HWND owner, const std::wstring& text, UINT flags) const;

protected:
    // False ends the process without a message loop.
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

private:
    int RunMessageLoop();

    HINSTANCE instance_ = nullptr;
    HWND mainWindow_ = nullptr;
    std::wstring appName_;
};

// A message box owned by `owner`, with the application name as caption when
// there is an application object (tests may run without one).
int FrameworkMessageBox(HWND owner, const std::wstring& text, UINT flags);

}  // namespace dravolt
