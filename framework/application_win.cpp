#include "framework/application_win.h"

#include "framework/message_loop_win.h"

namespace dravolt {

namespace {
CApplication* g_application = nullptr;
}

CApplication::CApplication() { g_application = this; }

CApplication::~CApplication()
{
    if (g_application == this)
        g_application = nullptr;
}

CApplication* CApplication::Current() { return g_application; }

int CApplication::Start(HINSTANCE instance)
{
    instance_ = instance;
    if (!InitInstance())
        return ExitInstance();
    RunMessageLoop();
    return ExitInstance();
}

int CApplication::MessageBox(const std::wstring& text, UINT flags) const
{
    return MessageBox(mainWindow_, text, flags);
}

int CApplication::MessageBox(HWND owner, const std::wstring& text, UINT flags) const
{
    return ::MessageBoxW(owner, text.c_str(), appName_.c_str(), flags);
}

int FrameworkMessageBox(HWND owner, const std::wstring& text, UINT flags)
{
    if (const CApplication* application = CApplication::Current())
        return application->MessageBox(owner, text, flags);
    return ::MessageBoxW(owner, text.c_str(), nullptr, flags);
}

int CApplication::RunMessageLoop()
{
    // Modeless dialogs and PreTranslateMessage are served on the way.
    while (PumpMessage()) {
    }
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // PumpMessage posts it again
    return static_cast<int>(quit.wParam);
}

}  // namespace dravolt

// The process entry point of every program built on the framework.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    dravolt::CApplication* application = dravolt::CApplication::Current();
    return application ? application->Start(instance) : 1;
}
