// The PDF output option dialog.
#include "pdf/pdf_output_option_dialog_win.h"

#include <commdlg.h>

#include <vector>

#include "framework/file_filter.h"
#include "framework/number_text.h"
#include "pdf/page_size_choices.h"
#include "pdf/pdf_dialog_ids.h"

namespace dravolt {

namespace {

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

CDialogPDFOutpuOption::CDialogPDFOutpuOption(PdfOutputSettings& settings, const CPageSizeTable& table)
    : CDialog(IDD_PDF_OUTPUT_OPTION), settings_(settings), table_(table)
{
    RegisterCommands();
}

void CDialogPDFOutpuOption::RegisterCommands()
{
    Commands().On(IDC_PDF_PAGE_SIZE, CBN_SELCHANGE, [this] { OnPageSizeChange(); });
    Commands().On(IDC_PDF_LANDSCAPE, [this] { OnOrientation(true); });
    Commands().On(IDC_PDF_PORTRAIT, [this] { OnOrientation(false); });
    for (const int id : {IDC_PDF_MARGIN_LEFT, IDC_PDF_MARGIN_TOP, IDC_PDF_MARGIN_RIGHT,
                         IDC_PDF_MARGIN_BOTTOM})
        Commands().On(id, EN_CHANGE, [this] { OnMarginChange(); });
    Commands().On(IDC_PDF_BROWSE_OUTPUT, [this] { OnBrowseOutput(); });
}

void CDialogPDFOutpuOption::DoDataExchange(CDataExchange& exchange)
{
    ExchangeRadio(exchange, IDC_PDF_LANDSCAPE, orientation_);
    ExchangeFloat(exchange, IDC_PDF_MARGIN_LEFT, settings_.leftMm);
    ValidateRange(exchange, settings_.leftMm, 0.0f, leftRightMaximum_);
    ExchangeFloat(exchange, IDC_PDF_MARGIN_RIGHT, settings_.rightMm);
    ValidateRange(exchange, settings_.rightMm, 0.0f, leftRightMaximum_);
    ExchangeFloat(exchange, IDC_PDF_MARGIN_TOP, settings_.topMm);
    ValidateRange(exchange, settings_.topMm, 0.0f, topBottomMaximum_);
    ExchangeFloat(exchange, IDC_PDF_MARGIN_BOTTOM, settings_.bottomMm);
    ValidateRange(exchange, settings_.bottomMm, 0.0f, topBottomMaximum_);
    ExchangeText(exchange, IDC_PDF_OUTPUT_FILE, settings_.outputPath);
    // The summary is only ever shown, never read back.
    if (!exchange.Saving())
        ExchangeText(exchange, IDC_PDF_SUMMARY, summary_);
}

bool CDialogPDFOutpuOption::OnInitDialog()
{
    orientation_ = settings_.portrait ? 1 : 0;
    aspect_.AttachDlgItem(Handle(), IDC_PDF_ASPECT);
    refreshing_ = true;  // the loads below are not the user's edits
    CDialog::OnInitDialog();
    refreshing_ = false;
    FillPageSizes();
    OnPageSizeChange();
    initialised_ = true;
    return true;
}

void CDialogPDFOutpuOption::FillPageSizes()
{
    const HWND list = GetDlgItem(Handle(), IDC_PDF_PAGE_SIZE);
    for (const std::wstring& name : PageSizeChoices(table_))
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    const PageSize current{settings_.pageWidthMm, settings_.pageHeightMm};
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(InitialPageSizeChoice(table_, current)), 0);
}

std::wstring CDialogPDFOutpuOption::SelectedPageSize() const
{
    return WindowText(GetDlgItem(Handle(), IDC_PDF_PAGE_SIZE));
}

void CDialogPDFOutpuOption::OnPageSizeChange()
{
    const PageSizeChoiceEffect effect = EffectOfPageSizeChoice(table_, SelectedPageSize());
    EnableWindow(GetDlgItem(Handle(), IDC_PDF_LANDSCAPE), effect.orientationEnabled);
    EnableWindow(GetDlgItem(Handle(), IDC_PDF_PORTRAIT), effect.orientationEnabled);
    leftRightMaximum_ = effect.leftRightMaximum;
    topBottomMaximum_ = effect.topBottomMaximum;
    if (effect.setsOrientation) {
        orientation_ = effect.landscape ? 0 : 1;
        aspect_.SetLandscape(effect.landscape);
        ShowFields();
    }
    RefreshSummary();
}

void CDialogPDFOutpuOption::OnOrientation(bool landscape)
{
    aspect_.SetLandscape(landscape);
    RefreshSummary();
}

void CDialogPDFOutpuOption::OnMarginChange()
{
    if (initialised_)
        RefreshSummary();
}

void CDialogPDFOutpuOption::RefreshSummary()
{
    // The prompt of a failing field runs a message loop, and loading a
    // control sends its change notification: neither may start another
    // refresh inside this one.
    if (refreshing_)
        return;
    refreshing_ = true;
    UpdateData(true);
    summary_ = PdfOutputSummary(SelectedPageSize(), orientation_ == 0, settings_);
    ShowText(IDC_PDF_SUMMARY, summary_);
    refreshing_ = false;
}

void CDialogPDFOutpuOption::ShowFields()
{
    const bool wasRefreshing = refreshing_;
    refreshing_ = true;
    CheckRadioButton(Handle(), IDC_PDF_LANDSCAPE, IDC_PDF_PORTRAIT,
                     orientation_ == 0 ? IDC_PDF_LANDSCAPE : IDC_PDF_PORTRAIT);
    ShowMargin(IDC_PDF_MARGIN_LEFT, settings_.leftMm);
    ShowMargin(IDC_PDF_MARGIN_RIGHT, settings_.rightMm);
    ShowMargin(IDC_PDF_MARGIN_TOP, settings_.topMm);
    ShowMargin(IDC_PDF_MARGIN_BOTTOM, settings_.bottomMm);
    ShowText(IDC_PDF_OUTPUT_FILE, settings_.outputPath);
    ShowText(IDC_PDF_SUMMARY, summary_);
    refreshing_ = wasRefreshing;
}

void CDialogPDFOutpuOption::ShowMargin(int id, float value)
{
    const auto shown = ParseFloatField(WindowText(GetDlgItem(Handle(), id)));
    if (!shown || *shown != value)
        ShowText(id, FormatFloatField(value));
}

void CDialogPDFOutpuOption::ShowText(int id, const std::wstring& text)
{
    const HWND control = GetDlgItem(Handle(), id);
    if (WindowText(control) != text)
        SetWindowTextW(control, text.c_str());
}

void CDialogPDFOutpuOption::OnOK()
{
    if (!UpdateData(true))
        return;
    settings_.portrait = orientation_ == 1;
    const PageSize size = SizeOfPageSizeChoice(table_, SelectedPageSize());
    settings_.pageWidthMm = size.width;
    settings_.pageHeightMm = size.height;
    EndDialog(IDOK);
}

void CDialogPDFOutpuOption::OnBrowseOutput()
{
    const std::wstring filter = FilterFromBars(L"PDF File(*.pdf)|*.pdf|");
    std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
    settings_.outputPath.copy(file.data(), file.size() - 1);
    OPENFILENAMEW dialog{sizeof(OPENFILENAMEW)};
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"pdf";
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog))
        return;
    settings_.outputPath = file.data();
    ShowFields();
}

}  // namespace dravolt
