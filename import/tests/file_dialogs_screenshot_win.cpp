// Not a test: shows one of the dialogs ("open", "save" or "options") until
// it is closed, for a look at the panels beside the platform's dialogs.
#include <windows.h>

#include <string>
#include <vector>

#include "app/page_size_table.h"
#include "import/customized_file_dialogs_win.h"
#include "pdf/pdf_output_option_dialog_win.h"

int wmain(int argc, wchar_t** argv)
{
    using namespace dravolt;
    const std::wstring which = argc > 1 ? argv[1] : L"open";
    std::vector<std::wstring> chosen;
    if (which == L"save") {
        CCustomizedSaveFileDilaog dialog(nullptr, L"C:\\", L"C:\\Docs\\0612-1.pdf");
        dialog.Show(chosen);
    } else if (which == L"options") {
        CDialogPDFOutpuOption dialog(ThePdfOutputSettings(), ThePageSizeTable());
        dialog.DoModal(nullptr);
    } else {
        CCustomizedOpenFileDilaog dialog(nullptr, L"C:\\");
        dialog.Show(chosen);
    }
    return 0;
}
