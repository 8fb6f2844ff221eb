#include "framework/dialog_win.h"

#include "framework/message_loop_win.h"

namespace dravolt {

namespace {

// Messages whose dialog-procedure answer is the result itself rather than
// TRUE with the result in DWLP_MSGRESULT.
bool AnswersDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: case WM_COMPAREITEM: case WM_VKEYTOITEM:
    case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

}  // namespace

CDialog::~CDialog()
{
    // Modeless dialogs are created by us; their window dies with the object.
    if (Handle()) {
        const HWND window = Handle();
        Unbind();
        DestroyWindow(window);
    }
}

INT_PTR CDialog::DoModal(HWND owner)
{
    if (Handle())
        return -1;
    modal_ = true;
    endRequested_ = false;
    result_ = -1;
    // The owner is disabled first, as the dialog sees it in WM_INITDIALOG.
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    const HWND window = CreateDialogParamW(ResourceInstance(), MAKEINTRESOURCEW(templateId_),
                                           owner, &CDialog::DialogTrampoline,
                                           reinterpret_cast<LPARAM>(this));
    if (!window) {
        if (disableOwner)
            EnableWindow(owner, TRUE);
        modal_ = false;
        return -1;
    }
    if (!endRequested_) {
        ShowWindow(window, SW_SHOW);
        RunModalLoop();
    }
    // Re-enable the owner before the dialog goes, so activation returns to it.
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (Handle()) {
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        DestroyWindow(window);
    }
    modal_ = false;
    return result_;
}

int CDialog::RunModalLoop()
{
    LONG idleCount = 0;
    bool idle = true;
    while (!endRequested_ && Handle()) {
        MSG message;
        while (idle && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!SendMessageW(Handle(), kIdleMessage, MSGF_DIALOGBOX, idleCount++))
                idle = false;
        }
        if (endRequested_ || !Handle())
            break;
        MSG pumped{};
        if (!PumpMessage(&pumped)) {
            result_ = IDCANCEL;  // WM_QUIT: passed on to the outer loop
            break;
        }
        if (IsIdleMessage(pumped)) {
            idle = true;
            idleCount = 0;
        }
    }
    return static_cast<int>(result_);
}

bool CDialog::CreateModeless(HWND owner)
{
    if (Handle())
        return false;
    modal_ = false;
    return CreateDialogParamW(ResourceInstance(), MAKEINTRESOURCEW(templateId_), owner,
                              &CDialog::DialogTrampoline, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    result_ = result;
    endRequested_ = true;
    if (!modal_ && Handle())
        DestroyWindow(Handle());
    else if (Handle())
        PostMessageW(Handle(), WM_NULL, 0, 0);  // wakes the modal loop
}

bool CDialog::UpdateData(bool save)
{
    CDataExchange exchange(Handle(), save);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

LRESULT CDialog::DefaultProc(UINT, WPARAM, LPARAM)
{
    defaultUsed_ = true;  // the dialog manager does the default work
    return 0;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog() ? TRUE : FALSE;
    if (message == WM_COMMAND && !Commands().DispatchCommand(wParam, lParam)) {
        if (LOWORD(wParam) == IDOK && HIWORD(wParam) <= 1) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL && HIWORD(wParam) <= 1) {
            OnCancel();
            return 0;
        }
        return DefaultProc(message, wParam, lParam);
    }
    if (message == WM_COMMAND)
        return 0;
    return CWindow::WindowProc(message, wParam, lParam);
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogTrampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CDialog*>(FromHandle(window));
    if (!self && message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->Bind(window, false);
    }
    if (!self)
        return FALSE;
    bool handled = false;
    const LRESULT result = self->Dispatch(message, wParam, lParam, handled);
    if (message == WM_NCDESTROY) {
        self->Unbind();
        self->OnFinalMessage();
        return FALSE;
    }
    if (!handled)
        return FALSE;
    if (AnswersDirectly(message))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace dravolt
