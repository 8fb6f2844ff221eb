// Dialogs from the test template, run modally and driven by posted messages:
// field exchange with its prompts, OK/Cancel, idle and modeless dialogs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/dialog_win.h"
#include "framework/tests/test_ids.h"

namespace dravolt {
namespace {

// Answers every message box the dialog shows, keeping its texts.
struct PromptWatcher {
    static inline HWND owner = nullptr;
    static inline std::vector<std::wstring> texts;

    static BOOL CALLBACK FindBox(HWND window, LPARAM found)
    {
        wchar_t className[16] = L"";
        GetClassNameW(window, className, 16);
        if (GetWindow(window, GW_OWNER) != owner || std::wstring(className) != L"#32770")
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            return;
        wchar_t text[256] = L"";
        GetDlgItemTextW(box, 0xFFFF, text, 256);  // the message text of a message box
        texts.push_back(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
};

class FieldDialog : public CDialog {
public:
    FieldDialog() : CDialog(IDD_FIELDS) {}

    float angle = 10.1f;
    float margin = 5.0f;
    std::wstring name = L"first";
    int radio = 1;
    int check = BST_CHECKED;
    // Runs once the dialog is up; the test's moves.
    std::function<void(FieldDialog&)> script;
    // Runs on idle after a prompt was answered.
    std::function<void(FieldDialog&)> afterPrompt;
    int idleMessages = 0;

protected:
    void DoDataExchange(CDataExchange& exchange) override
    {
        ExchangeText(exchange, IDC_NAME, name);
        ExchangeFloat(exchange, IDC_ANGLE, angle);
        ValidateRange(exchange, angle, -360.0f, 360.0f);
        ExchangeFloat(exchange, IDC_MARGIN, margin);
        ValidateRange(exchange, margin, 0.0f, 148.5f);
        ExchangeRadio(exchange, IDC_RADIO_FIRST, radio);
        ExchangeCheck(exchange, IDC_CHECK, check);
    }
    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PromptWatcher::owner = Handle();
        PromptWatcher::texts.clear();
        SetTimer(nullptr, 0, 50, &PromptWatcher::Tick);
        if (script)
            script(*this);
        return true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kIdleMessage) {
            ++idleMessages;
            if (!PromptWatcher::texts.empty() && afterPrompt) {
                auto once = std::move(afterPrompt);
                afterPrompt = nullptr;
                once(*this);
            }
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[128] = L"";
    GetDlgItemTextW(dialog, id, text, 128);
    return text;
}

void Press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

TEST(FieldExchange, LoadsFieldsInTheFieldFormatAndReadsAValidValue)
{
    FieldDialog dialog;
    std::wstring shownAngle, shownMargin;
    bool portraitChecked = false;
    dialog.script = [&](FieldDialog& d) {
        shownAngle = ItemText(d.Handle(), IDC_ANGLE);
        shownMargin = ItemText(d.Handle(), IDC_MARGIN);
        portraitChecked = IsDlgButtonChecked(d.Handle(), IDC_RADIO_SECOND) == BST_CHECKED;
        SetDlgItemTextW(d.Handle(), IDC_ANGLE, L" 12.25");
        SetDlgItemTextW(d.Handle(), IDC_NAME, L"second");
        CheckRadioButton(d.Handle(), IDC_RADIO_FIRST, IDC_RADIO_SECOND, IDC_RADIO_FIRST);
        CheckDlgButton(d.Handle(), IDC_CHECK, BST_UNCHECKED);
        Press(d.Handle(), IDOK);
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
    EXPECT_EQ(shownAngle, L"10.1");
    EXPECT_EQ(shownMargin, L"5");
    EXPECT_TRUE(portraitChecked);
    EXPECT_FLOAT_EQ(dialog.angle, 12.25f);
    EXPECT_EQ(dialog.name, L"second");
    EXPECT_EQ(dialog.radio, 0);
    EXPECT_EQ(dialog.check, BST_UNCHECKED);
    EXPECT_TRUE(PromptWatcher::texts.empty());
}

struct FailingCase {
    const wchar_t* angle;
    const wchar_t* margin;
    const wchar_t* prompt;
    int focused;
};

TEST(FieldExchange, FailingFieldPromptsFocusesAndKeepsTheDialogOpen)
{
    const FailingCase cases[] = {
        {L"abc", L"1", L"Please enter a number.", IDC_ANGLE},
        {L"400", L"1", L"Please enter a number between -360 and 360.", IDC_ANGLE},
        {L"12mm", L"1", L"Please enter a number.", IDC_ANGLE},
        {L"90", L"149", L"Please enter a number between 0 and 148.5.", IDC_MARGIN},
    };
    for (const FailingCase& c : cases) {
        FieldDialog dialog;
        int focused = 0;
        DWORD selection = 0;
        bool openAfterPrompt = false;
        dialog.script = [&](FieldDialog& d) {
            SetDlgItemTextW(d.Handle(), IDC_NAME, L"typed");
            SetDlgItemTextW(d.Handle(), IDC_ANGLE, c.angle);
            SetDlgItemTextW(d.Handle(), IDC_MARGIN, c.margin);
            Press(d.Handle(), IDOK);
        };
        dialog.afterPrompt = [&](FieldDialog& d) {
            openAfterPrompt = IsWindowVisible(d.Handle()) != FALSE;
            focused = GetDlgCtrlID(GetFocus());
            selection = static_cast<DWORD>(SendMessageW(GetFocus(), EM_GETSEL, 0, 0));
            Press(d.Handle(), IDCANCEL);
        };
        EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL) << c.angle;
        ASSERT_EQ(PromptWatcher::texts.size(), 1u) << c.angle;
        EXPECT_EQ(PromptWatcher::texts[0], c.prompt);
        EXPECT_TRUE(openAfterPrompt);
        EXPECT_EQ(focused, c.focused) << c.angle;
        const std::wstring failedText = c.focused == IDC_ANGLE ? c.angle : c.margin;
        EXPECT_EQ(selection, MAKELONG(0, failedText.size())) << "the whole text is selected";
        EXPECT_EQ(dialog.name, L"typed") << "fields before the failing one are stored";
        EXPECT_FLOAT_EQ(dialog.margin, c.focused == IDC_MARGIN ? 149.0f : 5.0f)
            << "a field after the failing one keeps its value";
    }
}

TEST(Dialog, CancelLeavesTheFieldsAndEscapeCancels)
{
    FieldDialog dialog;
    dialog.script = [](FieldDialog& d) {
        SetDlgItemTextW(d.Handle(), IDC_ANGLE, L"33");
        // Escape goes through the modal loop's dialog keyboard handling.
        PostMessageW(GetDlgItem(d.Handle(), IDC_ANGLE), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    EXPECT_FLOAT_EQ(dialog.angle, 10.1f);
}

TEST(Dialog, ModalDialogDisablesItsOwnerWhileItRuns)
{
    FieldDialog owner;
    ASSERT_TRUE(owner.CreateModeless(nullptr));
    FieldDialog dialog;
    bool ownerEnabledDuring = true;
    // Closed from its idle message: the loop goes idle once the queue is empty.
    dialog.script = [&](FieldDialog& d) {
        ownerEnabledDuring = IsWindowEnabled(owner.Handle()) != FALSE;
        PromptWatcher::texts.push_back(L"no prompt: close on idle");
        d.afterPrompt = [](FieldDialog& self) { Press(self.Handle(), IDCANCEL); };
    };
    EXPECT_EQ(dialog.DoModal(owner.Handle()), IDCANCEL);
    EXPECT_GT(dialog.idleMessages, 0);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    const HWND ownerWindow = owner.Handle();
    owner.EndDialog(IDOK);
    EXPECT_FALSE(IsWindow(ownerWindow)) << "a modeless dialog ends by being destroyed";
    EXPECT_EQ(owner.Handle(), nullptr);
}

TEST(Dialog, MissingTemplateFailsWithoutAWindow)
{
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(nullptr), -1);
    EXPECT_FALSE(dialog.CreateModeless(nullptr));
}

}  // namespace
}  // namespace dravolt
