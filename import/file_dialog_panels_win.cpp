// The option panels and their placement beside the platform's dialog.
#include "import/file_dialog_panels_win.h"

#include "app/page_size_table.h"
#include "import/import_conversion.h"
#include "import/import_dialog_ids.h"
#include "pdf/pdf_output_option_dialog_win.h"

namespace dravolt {

namespace {

constexpr int kColourModeButtons[] = {IDC_PANEL_NO_CHANGE, IDC_PANEL_GRAYSCALE,
                                      IDC_PANEL_BLACK_WHITE};

}  // namespace

COpenDialogTemplate::COpenDialogTemplate() : CDialog(IDD_OPEN_IMAGES_PANEL) {}

bool COpenDialogTemplate::OnInitDialog()
{
    const ImportOptions& options = TheImportOptions();
    SetDlgItemTextW(Handle(), IDC_PANEL_TEXT, L"Enhance your images automatically.");
    CheckDlgButton(Handle(), IDC_PANEL_AUTO_ENHANCE, options.autoEnhance ? BST_CHECKED : BST_UNCHECKED);
    const int mode = options.colourMode >= 0 && options.colourMode <= 2 ? options.colourMode : 0;
    // One by one: the radio identifiers are not a range of their own (the
    // check box lies between them), so CheckRadioButton would clear it.
    for (int button = 0; button < 3; ++button)
        CheckDlgButton(Handle(), kColourModeButtons[button], button == mode ? BST_CHECKED : BST_UNCHECKED);
    return false;
}

void COpenDialogTemplate::StoreOptions()
{
    ImportOptions& options = TheImportOptions();
    options.autoEnhance = IsDlgButtonChecked(Handle(), IDC_PANEL_AUTO_ENHANCE) == BST_CHECKED;
    for (int mode = 0; mode < 3; ++mode) {
        if (IsDlgButtonChecked(Handle(), kColourModeButtons[mode]) == BST_CHECKED)
            options.colourMode = mode;
    }
}

LRESULT COpenDialogTemplate::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The file dialog destroys its children on Open and on Cancel alike.
    if (message == WM_DESTROY)
        StoreOptions();
    return CDialog::WindowProc(message, wParam, lParam);
}

CSaveDialogTemplate::CSaveDialogTemplate() : CDialog(IDD_SAVE_PDF_PANEL) {}

bool CSaveDialogTemplate::OnInitDialog()
{
    SetDlgItemTextW(Handle(), IDC_PANEL_TEXT, L"For more save options");
    return false;
}

void CSaveDialogTemplate::OnOK()
{
    CDialogPDFOutpuOption options(ThePdfOutputSettings(), ThePageSizeTable());
    options.DoModal(GetAncestor(Handle(), GA_ROOT));
}

void PlacePanel(HWND fileDialog, CDialog& panel, int width)
{
    if (!panel.CreateModeless(fileDialog))
        return;
    RECT before{};
    GetWindowRect(fileDialog, &before);
    RECT client{};
    GetClientRect(fileDialog, &client);
    SetWindowPos(fileDialog, nullptr, 0, 0, before.right - before.left + width,
                 before.bottom - before.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MapWindowPoints(nullptr, fileDialog, reinterpret_cast<POINT*>(&before), 2);
    // The panel starts where the old client area ended, inside the dialog.
    const int y = before.top + 45;
    MoveWindow(panel.Handle(), client.right, y, width, before.bottom - before.top - y - 100, TRUE);
    ShowWindow(panel.Handle(), SW_SHOW);
}

}  // namespace dravolt
