// Dialogs made from `.rc` templates, run modally in the framework's own loop
// (so the dialog gets PreTranslateMessage and the idle message) or modeless.
// OK reads and checks the fields (DoDataExchange) and closes only when every
// field is valid; Cancel closes without reading them.
#pragma once

#include "framework/data_exchange_win.h"
#include "framework/window_win.h"

namespace dravolt {

// Sent to a modal dialog whenever its message queue runs empty; wParam is
// MSGF_DIALOGBOX, lParam counts the idle messages since the last real one.
// The answer: nonzero to be sent another one before the next message.
inline constexpr UINT kIdleMessage = 0x036A;

class CDialog : public CWindow {
public:
    explicit CDialog(UINT templateId) : templateId_(templateId) {}
    ~CDialog() override;

    // Runs the dialog modally, disabling `owner` meanwhile; the result is the
    // EndDialog code, or -1 when the template cannot be made into a window.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modeless; it lives until EndDialog or destruction.
    bool CreateModeless(HWND owner);
    // Closes the dialog with `result` (a modeless one is destroyed).
    void EndDialog(INT_PTR result);
    bool IsModal() const { return modal_; }

    // Runs the field exchange: save = true reads and checks the controls
    // into the fields (stopping at the first failing field, after its prompt),
    // false loads the fields into the controls. True when nothing failed.
    bool UpdateData(bool save);

    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Default: loads the fields into the controls; true lets the system set
    // the focus to the first tab stop.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& exchange) { (void)exchange; }

private:
    static INT_PTR CALLBACK DialogTrampoline(HWND, UINT, WPARAM, LPARAM);
    int RunModalLoop();

    UINT templateId_;
    bool modal_ = false;
    bool endRequested_ = false;
    INT_PTR result_ = 0;
};

}  // namespace dravolt
