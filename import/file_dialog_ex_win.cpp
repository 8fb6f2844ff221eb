// The hooked file dialog: the showing loop with its growing buffer, and the
// hook that hands the dialog's notifications to the object.
#include "import/file_dialog_ex_win.h"

#include "framework/file_filter.h"
#include "framework/window_placement_win.h"

namespace dravolt {

namespace {

// The dialog object being shown on this thread, for the hook's first
// message: the platform creates the hook window before Show returns.
thread_local CFileDialogEx* tShowingDialog = nullptr;

// Puts the object in the slot for one showing and frees the slot after,
// unless the hook has already freed it.
class CShowingSlot {
public:
    explicit CShowingSlot(CFileDialogEx* dialog) : previous_(tShowingDialog), dialog_(dialog)
    {
        tShowingDialog = dialog;
    }
    ~CShowingSlot()
    {
        if (tShowingDialog == dialog_ || !tShowingDialog)
            tShowingDialog = previous_;
    }
    CShowingSlot(const CShowingSlot&) = delete;
    CShowingSlot& operator=(const CShowingSlot&) = delete;

private:
    CFileDialogEx* previous_;
    CFileDialogEx* dialog_;
};

}  // namespace

CFileDialogEx::CFileDialogEx(FileDialogSetup setup) : setup_(std::move(setup))
{
    setup_.flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
    if (!setup_.open)
        setup_.flags &= ~static_cast<DWORD>(OFN_ALLOWMULTISELECT);
}

bool CFileDialogEx::Show(std::vector<std::wstring>& results)
{
    const CShowingSlot slot(this);
    std::size_t size = initialBufferSize_;
    for (;;) {
        std::vector<wchar_t> buffer(size, L'\0');
        bufferSize_ = size;
        bool bufferTooSmall = false;
        if (ShowOnce(buffer, bufferTooSmall)) {
            // Only a multiple selection is a list; a single path ends at its
            // first NUL, whatever the proposed name left behind it.
            const bool list = setup_.open && (setup_.flags & OFN_ALLOWMULTISELECT);
            if (!list) {
                results.emplace_back(buffer.data());
                return true;
            }
            const auto chosen = SelectedFiles(std::wstring(buffer.data(), buffer.size()));
            results.insert(results.end(), chosen.begin(), chosen.end());
            return true;
        }
        if (!bufferTooSmall)
            return false;
        size *= 2;
    }
}

bool CFileDialogEx::ShowOnce(std::vector<wchar_t>& buffer, bool& bufferTooSmall)
{
    if (!setup_.open)
        setup_.defaultFileName.copy(buffer.data(), buffer.size() - 1);
    wchar_t title[MAX_PATH] = {};
    OPENFILENAMEW record{};
    record.lStructSize = sizeof(OPENFILENAMEW);  // the 64-bit record, never a fixed number
    record.hwndOwner = setup_.owner;
    record.lpstrFilter = setup_.filter.empty() ? nullptr : setup_.filter.c_str();
    record.lpstrFile = buffer.data();
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    record.lpstrFileTitle = title;
    record.nMaxFileTitle = MAX_PATH;
    record.lpstrInitialDir = setup_.initialFolder.empty() ? nullptr : setup_.initialFolder.c_str();
    record.lpstrTitle = setup_.title.empty() ? nullptr : setup_.title.c_str();
    record.Flags = setup_.flags;
    record.lpstrDefExt = setup_.defaultExtension.empty() ? nullptr : setup_.defaultExtension.c_str();
    record.lpfnHook = &CFileDialogEx::HookProc;
    const BOOL chosen = setup_.open ? GetOpenFileNameW(&record) : GetSaveFileNameW(&record);
    bufferTooSmall = !chosen && CommDlgExtendedError() == FNERR_BUFFERTOOSMALL;
    return chosen != FALSE;
}

void CFileDialogEx::OnInitDone()
{
    CentreOverOwner(DialogWindow(), setup_.owner);
}

std::wstring CFileDialogEx::QueryDialogText(UINT message) const
{
    wchar_t text[MAX_PATH] = {};
    SendMessageW(DialogWindow(), message, MAX_PATH, reinterpret_cast<LPARAM>(text));
    text[MAX_PATH - 1] = L'\0';
    return text;
}

void CFileDialogEx::OnNotify(const OFNOTIFYW& notify)
{
    switch (notify.hdr.code) {
    case CDN_INITDONE: OnInitDone(); break;
    case CDN_SELCHANGE: OnSelectionChange(QueryDialogText(CDM_GETFILEPATH)); break;
    case CDN_FOLDERCHANGE: OnFolderChange(QueryDialogText(CDM_GETFOLDERPATH)); break;
    case CDN_FILEOK: OnFileOK(QueryDialogText(CDM_GETSPEC)); break;
    case CDN_TYPECHANGE: OnTypeChange(QueryDialogText(CDM_GETSPEC)); break;
    default: break;
    }
}

UINT_PTR CALLBACK CFileDialogEx::HookProc(HWND hook, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        CFileDialogEx* self = tShowingDialog;
        if (!self)
            return 0;
        SetWindowLongPtrW(hook, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hook_ = hook;
        self->OnInitDialog();
        return 0;
    }
    auto* self = reinterpret_cast<CFileDialogEx*>(GetWindowLongPtrW(hook, GWLP_USERDATA));
    if (!self)
        return 0;
    if (message == WM_NOTIFY) {
        self->OnNotify(*reinterpret_cast<const OFNOTIFYW*>(lParam));
    } else if (message == WM_DESTROY) {
        SetWindowLongPtrW(hook, GWLP_USERDATA, 0);
        self->hook_ = nullptr;
    }
    return 0;
}

}  // namespace dravolt
