#include "framework/application_win.h"

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
    return ::MessageBoxW(mainWindow_, text.c_str(), appName_.c_str(), flags);
}

int CApplication::RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace dravolt

// The process entry point of every program built on the framework.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    dravolt::CApplication* application = dravolt::CApplication::Current();
    return application ? application->Start(instance) : 1;
}
