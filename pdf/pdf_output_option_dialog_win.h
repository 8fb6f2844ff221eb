// "PDF Output Option": edits the process-wide PDF output settings - page
// size from the page-size table or the size of each image, orientation,
// margins - and shows a summary of them. Margins that pass the check are
// stored as they are typed; page size and orientation only on OK.
#pragma once

#include <string>

#include "app/page_size_table.h"
#include "framework/dialog_win.h"
#include "pdf/pdf_output_settings.h"
#include "pdf/static_aspect_win.h"

namespace dravolt {

class CDialogPDFOutpuOption : public CDialog {
public:
    // Both outlive the dialog.
    CDialogPDFOutpuOption(PdfOutputSettings& settings, const CPageSizeTable& table);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange& exchange) override;

private:
    void RegisterCommands();
    void FillPageSizes();
    void OnPageSizeChange();
    void OnOrientation(bool landscape);
    void OnMarginChange();
    void OnBrowseOutput();
    void RefreshSummary();
    // Writes the fields into the controls, leaving alone every control that
    // already shows its value (so "12." stays while it is being typed).
    void ShowFields();
    void ShowMargin(int id, float value);
    void ShowText(int id, const std::wstring& text);
    std::wstring SelectedPageSize() const;

    PdfOutputSettings& settings_;   // not owned
    const CPageSizeTable& table_;  // not owned
    int orientation_ = 1;  // radio index: 0 Landscape, 1 Portrait
    float leftRightMaximum_ = 1000.0f;
    float topBottomMaximum_ = 1000.0f;
    std::wstring summary_;
    CStaticAspect aspect_;
    bool initialised_ = false;
    bool refreshing_ = false;  // a refresh (or its prompt) is under way
};

}  // namespace dravolt
