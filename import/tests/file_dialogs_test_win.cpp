// The file dialogs driven by messages: a thread timer finds the platform's
// dialog while Show runs, fills the name field and presses its buttons.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "import/customized_file_dialogs_win.h"
#include "import/import_conversion.h"
#include "import/import_dialog_ids.h"
#include "pdf/tests/dialog_driver_win.h"

namespace dravolt {
namespace {

namespace fs = std::filesystem;

// Steps run one per timer tick until each answers true.
struct Driver {
    static inline std::vector<std::function<bool()>> steps;
    static inline std::size_t next = 0;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (next < steps.size() && steps[next]())
            ++next;
    }
    static UINT_PTR Start(std::vector<std::function<bool()>> script)
    {
        steps = std::move(script);
        next = 0;
        return SetTimer(nullptr, 0, 60, &Tick);
    }
};

class CTimerOwner {
public:
    explicit CTimerOwner(UINT_PTR timer) : timer_(timer) {}
    ~CTimerOwner() { KillTimer(nullptr, timer_); }
    CTimerOwner(const CTimerOwner&) = delete;
    CTimerOwner& operator=(const CTimerOwner&) = delete;

private:
    UINT_PTR timer_;
};

// Types a name into the dialog and presses Open or Save.
bool ChooseName(HWND dialog, const std::wstring& name)
{
    if (!dialog || !IsWindowVisible(dialog))
        return false;
    SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(name.c_str()));
    test::Click(dialog, IDOK);
    return true;
}

HWND PanelOf(HWND dialog, int controlId)
{
    HWND child = nullptr;
    while ((child = FindWindowExW(dialog, child, L"#32770", nullptr)) != nullptr) {
        if (GetDlgItem(child, controlId))
            return child;
    }
    return nullptr;
}

struct FileDialogsTest : testing::Test {
    // One folder per test: a file dialog leaves the process's current
    // folder in the last one it showed, which then cannot be removed.
    fs::path folder = fs::temp_directory_path() / L"dravolt-file-dialogs" /
                      testing::UnitTest::GetInstance()->current_test_info()->name();
    void SetUp() override
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        fs::create_directories(folder);
        for (const wchar_t* name : {L"a.jpg", L"b.jpg", L"c.jpg"})
            std::ofstream(folder / name) << "x";
    }
    std::wstring Folder() const { return folder.wstring() + L"\\"; }
};

TEST_F(FileDialogsTest, OpenReturnsEveryChosenPathAndThePanelKeepsItsChoiceOnCancel)
{
    TheImportOptions() = {kNoChange, true};
    CCustomizedOpenFileDilaog dialog(nullptr, Folder());
    HWND panel = nullptr;
    const CTimerOwner timer(Driver::Start({
        [&] {
            const HWND window = dialog.DialogWindow();
            panel = window ? PanelOf(window, IDC_PANEL_AUTO_ENHANCE) : nullptr;
            if (!panel)
                return false;
            EXPECT_EQ(IsDlgButtonChecked(panel, IDC_PANEL_NO_CHANGE), BST_CHECKED);
            EXPECT_EQ(IsDlgButtonChecked(panel, IDC_PANEL_AUTO_ENHANCE), BST_CHECKED);
            RECT panelRect{}, dialogRect{};
            GetWindowRect(panel, &panelRect);
            GetWindowRect(window, &dialogRect);
            EXPECT_EQ(panelRect.right - panelRect.left, CCustomizedOpenFileDilaog::kPanelWidth);
            EXPECT_LE(panelRect.right, dialogRect.right + 16) << "the panel sits in the added room";
            return ChooseName(window, L"\"a.jpg\" \"b.jpg\" \"c.jpg\"");
        },
    }));
    std::vector<std::wstring> chosen{L"kept"};
    ASSERT_TRUE(dialog.Show(chosen));
    EXPECT_EQ(chosen, (std::vector<std::wstring>{L"kept", Folder() + L"a.jpg", Folder() + L"b.jpg",
                                                 Folder() + L"c.jpg"}));

    CCustomizedOpenFileDilaog again(nullptr, Folder());
    const CTimerOwner cancel(Driver::Start({[&] {
        const HWND window = again.DialogWindow();
        const HWND options = window ? PanelOf(window, IDC_PANEL_AUTO_ENHANCE) : nullptr;
        if (!options)
            return false;
        test::Click(options, IDC_PANEL_GRAYSCALE);
        CheckDlgButton(options, IDC_PANEL_NO_CHANGE, BST_UNCHECKED);
        CheckDlgButton(options, IDC_PANEL_GRAYSCALE, BST_CHECKED);
        CheckDlgButton(options, IDC_PANEL_AUTO_ENHANCE, BST_UNCHECKED);
        test::Click(window, IDCANCEL);
        return true;
    }}));
    std::vector<std::wstring> none;
    EXPECT_FALSE(again.Show(none));
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(TheImportOptions().colourMode, kGrayscale) << "kept although cancelled";
    EXPECT_FALSE(TheImportOptions().autoEnhance);
}

// Opens the dialog with a buffer too small for the chosen path.
struct CTinyBufferDialog : CCustomizedOpenFileDilaog {
    explicit CTinyBufferDialog(const std::wstring& folder) : CCustomizedOpenFileDilaog(nullptr, folder)
    {
        SetInitialBufferSize(8);
    }
};

TEST_F(FileDialogsTest, ASelectionTooLongForTheBufferShowsTheDialogAgainWithMoreRoom)
{
    CTinyBufferDialog dialog(Folder());
    int showings = 0;
    HWND last = nullptr;
    auto chooseOnNewShowing = [&] {
        const HWND window = dialog.DialogWindow();
        if (!window || window == last || !IsWindowVisible(window))
            return false;
        last = window;
        ++showings;
        return ChooseName(window, L"a.jpg");
    };
    const CTimerOwner timer(Driver::Start({chooseOnNewShowing, chooseOnNewShowing,
                                           chooseOnNewShowing, chooseOnNewShowing,
                                           chooseOnNewShowing, chooseOnNewShowing}));
    std::vector<std::wstring> chosen;
    ASSERT_TRUE(dialog.Show(chosen));
    EXPECT_EQ(chosen, (std::vector<std::wstring>{Folder() + L"a.jpg"}));
    EXPECT_GT(showings, 1);
    EXPECT_GE(dialog.BufferSize(), Folder().size() + 6);
}

TEST_F(FileDialogsTest, SaveProposesTheDefaultNameAddsPdfAndSettingsReturnsToTheDialog)
{
    CCustomizedSaveFileDilaog dialog(nullptr, Folder(), L"C:\\Docs\\0612-1.pdf");
    std::wstring proposed;
    bool settingsOpened = false;
    const CTimerOwner timer(Driver::Start({
        [&] {
            const HWND window = dialog.DialogWindow();
            const HWND panel = window ? PanelOf(window, IDC_PANEL_TEXT) : nullptr;
            if (!panel || !IsWindowVisible(window))
                return false;
            wchar_t spec[MAX_PATH] = L"";
            SendMessageW(window, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(spec));
            proposed = spec;
            EXPECT_EQ(test::ItemText(panel, IDC_PANEL_SETTINGS), L"Settings...");
            PostMessageW(panel, WM_COMMAND, MAKEWPARAM(IDC_PANEL_SETTINGS, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(panel, IDC_PANEL_SETTINGS)));
            return true;
        },
        [&] {
            const HWND options = FindWindowW(L"#32770", L"PDF Output Option");
            if (!options)
                return false;
            settingsOpened = true;
            test::Click(options, IDCANCEL);
            return true;
        },
        [&] {
            const HWND window = dialog.DialogWindow();
            return FindWindowW(L"#32770", L"PDF Output Option") == nullptr && window &&
                   ChooseName(window, L"report");
        },
    }));
    std::vector<std::wstring> chosen;
    ASSERT_TRUE(dialog.Show(chosen));
    EXPECT_EQ(proposed, L"0612-1.pdf");
    EXPECT_TRUE(settingsOpened);
    EXPECT_EQ(chosen, (std::vector<std::wstring>{Folder() + L"report.pdf"}));
}

TEST_F(FileDialogsTest, SaveReturnsTheChosenPathEvenWhenShorterThanTheProposedName)
{
    // The proposed name sits in the same buffer; what the user chose must
    // not pick up its leftover characters.
    const std::wstring proposed = Folder() + std::wstring(120, L'x') + L"(1).pdf";
    CCustomizedSaveFileDilaog dialog(nullptr, Folder(), proposed);
    const CTimerOwner timer(Driver::Start({
        [&] {
            const HWND window = dialog.DialogWindow();
            return window && IsWindowVisible(window) && ChooseName(window, L"r");
        },
    }));
    std::vector<std::wstring> chosen;
    ASSERT_TRUE(dialog.Show(chosen));
    EXPECT_EQ(chosen, (std::vector<std::wstring>{Folder() + L"r.pdf"}));
}

}  // namespace
}  // namespace dravolt
