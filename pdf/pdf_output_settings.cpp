// The process-wide PDF output settings and their summary text.
#include "pdf/pdf_output_settings.h"

#include <cwchar>

namespace dravolt {

PdfOutputSettings& ThePdfOutputSettings()
{
    static PdfOutputSettings settings;
    return settings;
}

std::wstring PdfOutputSummary(const std::wstring& pageSizeName, bool landscape,
                              const PdfOutputSettings& settings)
{
    // Margins are limited to 1000 mm by the dialog, but the record may come
    // from elsewhere: the buffer holds four doubles at their widest.
    wchar_t margins[4 * 330 + 64];
    std::swprintf(margins, sizeof margins / sizeof margins[0],
                  L"Left:%0.2f Right:%0.2f Top:%0.2f Bottom:%0.2f\r\n",
                  static_cast<double>(settings.leftMm), static_cast<double>(settings.rightMm),
                  static_cast<double>(settings.topMm), static_cast<double>(settings.bottomMm));
    std::wstring text = L"Current option:\r\n";
    text += L"Page Size: " + pageSizeName + L"\r\n";
    text += landscape ? L"Page Aspect: Landscape\r\n" : L"Page Aspect: Portrait\r\n";
    text += L"Page Margin:\r\n";
    text += margins;
    text += L"Output File:\r\n" + settings.outputPath;
    return text;
}

}  // namespace dravolt
