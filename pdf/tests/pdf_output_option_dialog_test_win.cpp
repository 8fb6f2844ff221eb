// The PDF output option dialog under Wine, driven by messages and control
// identifiers.
#include <gtest/gtest.h>

#include <functional>

#include "pdf/pdf_dialog_ids.h"
#include "pdf/pdf_output_option_dialog_win.h"
#include "pdf/tests/dialog_driver_win.h"

namespace dravolt {
namespace {

using namespace test;

CPageSizeTable Table()
{
    CPageSizeTable table;
    table.LoadText("Letter[215.9,279.4]\nA4[210,297]\nA4 turned[297,210]\n");
    return table;
}

class ScriptedDialog : public CDialogPDFOutpuOption {
public:
    using CDialogPDFOutpuOption::CDialogPDFOutpuOption;
    std::function<void(HWND)> script;

protected:
    bool OnInitDialog() override
    {
        const bool result = CDialogPDFOutpuOption::OnInitDialog();
        PromptAnswerer::Start();
        PostMessageW(Handle(), WM_APP, 0, 0);  // the script runs once the dialog is shown
        return result;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP && script) {
            auto once = std::move(script);
            script = nullptr;
            once(Handle());
            return 0;
        }
        return CDialogPDFOutpuOption::WindowProc(message, wParam, lParam);
    }
};

INT_PTR RunDialog(PdfOutputSettings& settings, std::function<void(HWND)> script)
{
    const CPageSizeTable table = Table();
    ScriptedDialog dialog(settings, table);
    dialog.script = std::move(script);
    return dialog.DoModal(nullptr);
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

TEST(PdfOutputOptionDialog, DefaultsOpenOnImageSizeWithTheRadiosDisabled)
{
    PdfOutputSettings settings;
    std::wstring caption, selected, summary;
    bool landscapeEnabled = true, portraitEnabled = true;
    EXPECT_EQ(RunDialog(settings, [&](HWND d) {
                  wchar_t text[64] = L"";
                  GetWindowTextW(d, text, 64);
                  caption = text;
                  selected = ItemText(d, IDC_PDF_PAGE_SIZE);
                  summary = ItemText(d, IDC_PDF_SUMMARY);
                  landscapeEnabled = Enabled(d, IDC_PDF_LANDSCAPE);
                  portraitEnabled = Enabled(d, IDC_PDF_PORTRAIT);
                  Click(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(caption, L"PDF Output Option");
    EXPECT_EQ(selected, L"Use image size");
    EXPECT_FALSE(landscapeEnabled);
    EXPECT_FALSE(portraitEnabled);
    EXPECT_EQ(summary,
              L"Current option:\r\nPage Size: Use image size\r\nPage Aspect: Portrait\r\n"
              L"Page Margin:\r\nLeft:0.00 Right:0.00 Top:0.00 Bottom:0.00\r\nOutput File:\r\n");
    EXPECT_EQ(settings.pageWidthMm, -1);
    EXPECT_TRUE(PromptAnswerer::texts.empty());
}

TEST(PdfOutputOptionDialog, AnA4SizeOpensOnPortraitWhateverWasChosen)
{
    PdfOutputSettings settings;
    settings.pageWidthMm = 210;
    settings.pageHeightMm = 297;
    settings.portrait = false;
    std::wstring selected;
    bool portrait = false, enabled = false;
    RunDialog(settings, [&](HWND d) {
        selected = ItemText(d, IDC_PDF_PAGE_SIZE);
        portrait = Checked(d, IDC_PDF_PORTRAIT) && !Checked(d, IDC_PDF_LANDSCAPE);
        enabled = Enabled(d, IDC_PDF_LANDSCAPE) && Enabled(d, IDC_PDF_PORTRAIT);
        Click(d, IDOK);
    });
    EXPECT_EQ(selected, L"A4");
    EXPECT_TRUE(portrait);
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(settings.portrait);
}

TEST(PdfOutputOptionDialog, MarginLimitsFollowThePageSize)
{
    struct Case {
        const wchar_t* size;
        int id;
        const wchar_t* typed;
        const wchar_t* prompt;  // empty: accepted
    };
    const Case cases[] = {
        {L"A4", IDC_PDF_MARGIN_LEFT, L"105", L""},
        {L"A4", IDC_PDF_MARGIN_RIGHT, L"105.01", L"Please enter a number between 0 and 105."},
        {L"A4", IDC_PDF_MARGIN_TOP, L"148.5", L""},
        {L"A4", IDC_PDF_MARGIN_BOTTOM, L"148.6", L"Please enter a number between 0 and 148.5."},
        {L"Use image size", IDC_PDF_MARGIN_BOTTOM, L"1000", L""},
        {L"Use image size", IDC_PDF_MARGIN_LEFT, L"1000.5", L"Please enter a number between 0 and 1000."},
        {L"Use image size", IDC_PDF_MARGIN_TOP, L"12mm", L"Please enter a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(c.size) + L" " + c.typed);
        PdfOutputSettings settings;
        std::vector<std::wstring> prompts;
        INT_PTR result = 0;
        const CPageSizeTable table = Table();
        ScriptedDialog dialog(settings, table);
        dialog.script = [&](HWND d) {
            SelectComboText(d, IDC_PDF_PAGE_SIZE, c.size);
            SetDlgItemTextW(d, c.id, c.typed);
            prompts = PromptAnswerer::texts;
            Click(d, IDOK);
            // Closes the dialog when OK kept it open; otherwise never seen.
            PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        };
        result = dialog.DoModal(nullptr);
        if (*c.prompt) {
            ASSERT_FALSE(prompts.empty());
            EXPECT_EQ(prompts.front(), c.prompt);
            EXPECT_EQ(result, IDCANCEL) << "OK closed with a bad field";
        } else {
            EXPECT_TRUE(prompts.empty());
            EXPECT_EQ(result, IDOK);
        }
    }
}

TEST(PdfOutputOptionDialog, SummaryFollowsTypingWithoutRewritingTheEdit)
{
    PdfOutputSettings settings;
    std::wstring shownWhileTyping, summary, landscapeSummary;
    RunDialog(settings, [&](HWND d) {
        SelectComboText(d, IDC_PDF_PAGE_SIZE, L"A4");
        SetDlgItemTextW(d, IDC_PDF_MARGIN_LEFT, L"12.");
        shownWhileTyping = ItemText(d, IDC_PDF_MARGIN_LEFT);
        SetDlgItemTextW(d, IDC_PDF_MARGIN_RIGHT, L"1.5");
        SetDlgItemTextW(d, IDC_PDF_MARGIN_TOP, L"2.25");
        SetDlgItemTextW(d, IDC_PDF_MARGIN_BOTTOM, L"3");
        summary = ItemText(d, IDC_PDF_SUMMARY);
        CheckRadioButton(d, IDC_PDF_LANDSCAPE, IDC_PDF_PORTRAIT, IDC_PDF_LANDSCAPE);
        Click(d, IDC_PDF_LANDSCAPE);
        landscapeSummary = ItemText(d, IDC_PDF_SUMMARY);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(shownWhileTyping, L"12.");
    EXPECT_NE(summary.find(L"Page Size: A4\r\nPage Aspect: Portrait\r\n"), std::wstring::npos);
    EXPECT_NE(summary.find(L"Left:12.00 Right:1.50 Top:2.25 Bottom:3.00\r\n"), std::wstring::npos);
    EXPECT_NE(landscapeSummary.find(L"Page Aspect: Landscape\r\n"), std::wstring::npos);
    // Cancel: margins typed stay, size and orientation do not.
    EXPECT_FLOAT_EQ(settings.leftMm, 12);
    EXPECT_EQ(settings.pageWidthMm, -1);
    EXPECT_TRUE(settings.portrait);
}

TEST(PdfOutputOptionDialog, OkStoresSizeAndOrientation)
{
    PdfOutputSettings settings;
    RunDialog(settings, [&](HWND d) {
        SelectComboText(d, IDC_PDF_PAGE_SIZE, L"A4 turned");
        Click(d, IDOK);
    });
    EXPECT_EQ(settings.pageWidthMm, 297);
    EXPECT_EQ(settings.pageHeightMm, 210);
    EXPECT_FALSE(settings.portrait);
}

}  // namespace
}  // namespace dravolt
