// The framework's window: one C++ object per HWND, reached from the window
// through one trampoline. A window is either created by the object (it then
// owns and destroys it) or a dialog's control taken over by subclassing.
// Messages a child sends its parent about itself (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_CTLCOLOR*, ...) are first offered back to the child's own
// object, so owner-drawn controls are self-contained.
#pragma once

#include <windows.h>

#include <string>

#include "framework/command_table.h"

namespace dravolt {

class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // The object bound to a window, or null for a window of no object.
    static CWindow* FromHandle(HWND window);

    HWND Handle() const { return window_; }
    int ControlId() const { return GetDlgCtrlID(window_); }
    std::wstring Text() const;
    void SetText(const std::wstring& text) { SetWindowTextW(window_, text.c_str()); }

    // Creates a window of the framework's window class (double clicks, arrow
    // cursor, no background brush: the object paints everything).
    bool Create(HWND parent, UINT id, DWORD style, const RECT& rect,
                DWORD extendedStyle = 0, const wchar_t* text = L"");
    // Takes over an existing window, such as a control of a dialog template,
    // then calls OnAttached. False when it already belongs to an object.
    bool Attach(HWND window);
    bool AttachDlgItem(HWND dialog, int id) { return Attach(GetDlgItem(dialog, id)); }
    // Hands an attached window back to its own procedure.
    void Detach();

    // The processing the window would get without this object.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Offered every queued message for this window or one of its children
    // before it is dispatched; true swallows it.
    virtual bool PreTranslateMessage(MSG& message) { (void)message; return false; }

    CCommandTable& Commands() { return commands_; }

protected:
    // Every message of the window. The default routes WM_COMMAND and
    // WM_NOTIFY through the command table, then to DefaultProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification this window sent its parent, offered back to it first;
    // true when handled (the parent then does not see it).
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // After Attach has bound the window.
    virtual void OnAttached() {}
    // After the window's last message (WM_NCDESTROY); the handle is gone.
    virtual void OnFinalMessage() {}

    // Binding, shared with dialogs.
    void Bind(HWND window, bool subclass);
    void Unbind();
    // Runs WindowProc with reflection first and no exception escaping.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

public:
    static LRESULT CALLBACK WindowTrampoline(HWND, UINT, WPARAM, LPARAM);

private:
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;  // the procedure replaced by Attach
    bool created_ = false;        // Create made the window: it is ours to destroy
    bool defaultUsed_ = false;    // DefaultProc ran for the current message
    CCommandTable commands_;

    friend class CDialog;
};

// The class name of the framework's windows.
inline constexpr wchar_t kFrameworkWindowClass[] = L"DravoltWindow";

// The module whose resources (dialog templates, icons, strings) we load.
HINSTANCE ResourceInstance();

}  // namespace dravolt
