#include "framework/window_win.h"

#include "framework/application_win.h"
#include "framework/reflection_win.h"

namespace dravolt {

namespace {

// The property that binds an object to its window. A property rather than
// GWLP_USERDATA, which a subclassed control may use for itself.
constexpr wchar_t kObjectProperty[] = L"DravoltWindowObject";

bool RegisterFrameworkClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &CWindow::WindowTrampoline;
        windowClass.hInstance = ResourceInstance();
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kFrameworkWindowClass;
        return RegisterClassExW(&windowClass) != 0 ||
               GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

HINSTANCE ResourceInstance()
{
    const CApplication* application = CApplication::Current();
    if (application && application->Instance())
        return application->Instance();
    return GetModuleHandleW(nullptr);
}

CWindow::~CWindow()
{
    if (!window_)
        return;
    const HWND window = window_;
    const bool created = created_;
    // Unbound first, so no message of the dying window reaches this object.
    Unbind();
    if (created)
        DestroyWindow(window);
}

CWindow* CWindow::FromHandle(HWND window)
{
    return window ? static_cast<CWindow*>(GetPropW(window, kObjectProperty)) : nullptr;
}

std::wstring CWindow::Text() const
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool CWindow::Create(HWND parent, UINT id, DWORD style, const RECT& rect,
                     DWORD extendedStyle, const wchar_t* text)
{
    if (window_ || !RegisterFrameworkClass())
        return false;
    // The object binds itself at WM_NCCREATE from the creation parameter.
    created_ = true;
    const HWND window = CreateWindowExW(
        extendedStyle, kFrameworkWindowClass, text, style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent,
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr,
        ResourceInstance(), this);
    if (!window) {
        created_ = false;
        return false;
    }
    return true;
}

bool CWindow::Attach(HWND window)
{
    if (!window || window_ || FromHandle(window))
        return false;
    Bind(window, true);
    OnAttached();
    return true;
}

void CWindow::Detach()
{
    if (window_ && !created_)
        Unbind();
}

void CWindow::Bind(HWND window, bool subclass)
{
    window_ = window;
    SetPropW(window, kObjectProperty, this);
    if (subclass)
        previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindow::WindowTrampoline)));
}

void CWindow::Unbind()
{
    if (!window_)
        return;
    // Put the old procedure back only if nobody subclassed after us.
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
    if (current == &CWindow::WindowTrampoline && previous_)
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(window_, kObjectProperty);
    window_ = nullptr;
    previous_ = nullptr;
    created_ = false;
}

LRESULT CWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    defaultUsed_ = true;
    return previous_ ? CallWindowProcW(previous_, window_, message, wParam, lParam)
                     : DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && commands_.DispatchCommand(wParam, lParam))
        return 0;
    LRESULT result = 0;
    if (message == WM_NOTIFY && lParam &&
        commands_.DispatchNotify(*reinterpret_cast<NMHDR*>(lParam), result))
        return result;
    return DefaultProc(message, wParam, lParam);
}

bool CWindow::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool CWindow::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    CWindow* child = FromHandle(ReflectedChild(window_, message, wParam, lParam));
    return child && child != this && child->OnReflected(message, wParam, lParam, result);
}

LRESULT CWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    LRESULT result = 0;
    const bool outerDefaultUsed = defaultUsed_;  // messages nest
    defaultUsed_ = false;
    try {
        if (ReflectToChild(message, wParam, lParam, result))
            defaultUsed_ = false;
        else
            result = WindowProc(message, wParam, lParam);
    } catch (...) {
        // Never unwind through the system's dispatch code.
        result = 0;
    }
    handled = !defaultUsed_;
    defaultUsed_ = outerDefaultUsed;
    return result;
}

LRESULT CALLBACK CWindow::WindowTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindow* self = FromHandle(window);
    if (!self && message == WM_NCCREATE) {
        self = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self)
            self->Bind(window, false);
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    bool handled = false;
    const LRESULT result = self->Dispatch(message, wParam, lParam, handled);
    if (message == WM_NCDESTROY) {
        // The window is gone: late messages must not reach the object.
        self->Unbind();
        self->OnFinalMessage();
    }
    return result;
}

}  // namespace dravolt
