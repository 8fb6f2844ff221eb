#include "scan/tests/worker_test_support_win.h"

#include <stdexcept>

#include "app/module_path_win.h"
#include "app/path_parts.h"
#include "scan/device_manager_win.h"

namespace dravolt::test {

namespace {

constexpr wchar_t kOwnerClass[] = L"DravoltScanWorkerTestOwner";

struct FindBox {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedBox(HWND window, LPARAM context)
{
    auto* find = reinterpret_cast<FindBox*>(context);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (GetWindow(window, GW_OWNER) != find->owner || std::wstring(className) != L"#32770")
        return TRUE;
    find->found = window;
    return FALSE;
}

}  // namespace

COwnerWindow::COwnerWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
    window_ = CreateWindowExW(0, kOwnerClass, L"Scan worker test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                              nullptr, nullptr, windowClass.hInstance, this);
}

COwnerWindow::~COwnerWindow()
{
    if (window_)
        DestroyWindow(window_);
}

LRESULT CALLBACK COwnerWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<COwnerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_APP && self && self->onApp) {
        self->onApp();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

CMessageBoxWatcher::CMessageBoxWatcher(DWORD thread, HWND owner)
    : thread_(thread), owner_(owner), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      watcher_([this] { Watch(); })
{
}

CMessageBoxWatcher::~CMessageBoxWatcher()
{
    SetEvent(stop_);
    watcher_.join();
    CloseHandle(stop_);
}

std::vector<std::wstring> CMessageBoxWatcher::Texts() const
{
    std::lock_guard lock(mutex_);
    return texts_;
}

void CMessageBoxWatcher::Watch()
{
    HWND answered = nullptr;
    while (WaitForSingleObject(stop_, 20) == WAIT_TIMEOUT) {
        FindBox find{owner_, nullptr};
        EnumThreadWindows(thread_, &FindOwnedBox, reinterpret_cast<LPARAM>(&find));
        if (!find.found || find.found == answered || !IsWindowVisible(find.found))
            continue;
        wchar_t text[512] = L"";
        GetDlgItemTextW(find.found, 0xFFFF, text, 512);  // the text of a message box
        {
            std::lock_guard lock(mutex_);
            texts_.push_back(text);
        }
        answered = find.found;
        PostMessageW(find.found, WM_COMMAND, IDOK, 0);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD deadlineMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > deadlineMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

WiaSimRecord& SimRecord()
{
    static WiaSimRecord* record = [] {
        const std::wstring path = FolderOfPath(ModulePath(nullptr)) + kSimulatedScannerLibrary;
        const HMODULE library = LoadLibraryW(path.c_str());  // kept for the whole run
        const auto get = library ? reinterpret_cast<WiaSimGetRecordFn>(reinterpret_cast<void*>(
                                       GetProcAddress(library, kWiaSimGetRecord)))
                                 : nullptr;
        if (!get)
            throw std::runtime_error("the simulated scanner is not beside the test program");
        return get();
    }();
    return *record;
}

}  // namespace dravolt::test
