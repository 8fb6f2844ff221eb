// The platform's open and save dialogs with a hook child window, so derived
// dialogs can put a panel of their own beside them and follow the dialog's
// notifications. One object per showing, on the caller's stack.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

namespace dravolt {

struct FileDialogSetup {
    bool open = true;  // false: a save dialog
    HWND owner = nullptr;
    std::wstring title;
    std::wstring defaultExtension;  // without the dot, or empty
    std::wstring initialFolder;
    std::wstring defaultFileName;  // save dialogs only
    std::wstring filter;           // NUL-separated pairs (see FilterFromBars)
    DWORD flags = 0;
};

class CFileDialogEx {
public:
    explicit CFileDialogEx(FileDialogSetup setup);
    virtual ~CFileDialogEx() = default;
    CFileDialogEx(const CFileDialogEx&) = delete;
    CFileDialogEx& operator=(const CFileDialogEx&) = delete;

    // Runs the dialog modally. On OK appends the chosen full paths in order
    // and returns true; on cancel or failure returns false and leaves
    // `results` alone. A selection too long for the buffer shows the dialog
    // again with twice the buffer.
    bool Show(std::vector<std::wstring>& results);

    // While the dialog is up: the hook child and the platform dialog.
    HWND HookWindow() const { return hook_; }
    HWND DialogWindow() const { return hook_ ? GetParent(hook_) : nullptr; }
    // Characters of the buffer the last showing used.
    std::size_t BufferSize() const { return bufferSize_; }

    static constexpr std::size_t kInitialBufferSize = 67600;

protected:
    // The hook child exists; derived dialogs place their panel here.
    virtual void OnInitDialog() {}
    // Centres the dialog over its owner, or the primary work area.
    virtual void OnInitDone();
    virtual bool OnFileOK(const std::wstring& spec) { (void)spec; return true; }
    virtual bool OnFolderChange(const std::wstring& folder) { (void)folder; return true; }
    virtual void OnSelectionChange(const std::wstring& path) { (void)path; }
    virtual void OnTypeChange(const std::wstring& spec) { (void)spec; }

    // For tests that need a small buffer to see the retry.
    void SetInitialBufferSize(std::size_t size) { initialBufferSize_ = size; }

private:
    static UINT_PTR CALLBACK HookProc(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
    void OnNotify(const OFNOTIFYW& notify);
    std::wstring QueryDialogText(UINT message) const;
    bool ShowOnce(std::vector<wchar_t>& buffer, bool& bufferTooSmall);

    FileDialogSetup setup_;
    HWND hook_ = nullptr;
    std::size_t initialBufferSize_ = kInitialBufferSize;
    std::size_t bufferSize_ = 0;
};

}  // namespace dravolt
