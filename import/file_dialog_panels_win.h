// The option panels of the two file dialogs. The open panel edits the
// import options and stores them when it closes, whether the file dialog
// was confirmed or cancelled; the save panel opens the PDF output options.
#pragma once

#include "framework/dialog_win.h"

namespace dravolt {

class COpenDialogTemplate : public CDialog {
public:
    COpenDialogTemplate();

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StoreOptions();
};

class CSaveDialogTemplate : public CDialog {
public:
    CSaveDialogTemplate();

protected:
    bool OnInitDialog() override;
    // The panel's only button carries the identifier 1: it opens the
    // settings and must never close the panel.
    void OnOK() override;
    void OnCancel() override {}
};

// Widens the platform dialog by `width` and puts the panel in the new room
// on its right, below the caption.
void PlacePanel(HWND fileDialog, CDialog& panel, int width);

}  // namespace dravolt
