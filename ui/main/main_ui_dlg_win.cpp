// The main window's start, messages, idle pass and closing.
#include "ui/main/main_ui_dlg_win.h"

#include <windowsx.h>

#include "app/page_file_store_win.h"
#include "framework/application_win.h"
#include "ui/main/main_ui_ids.h"

namespace dravolt {

namespace {
constexpr COLORREF kBackgroundColour = RGB(127, 127, 127);
}

CMainUIDlg::CMainUIDlg() : CDialog(IDD_MAIN_UI), background_(CreateSolidBrush(kBackgroundColour))
{
    RegisterCommands();
}

CMainUIDlg::~CMainUIDlg() = default;

void CMainUIDlg::DoDataExchange(CDataExchange& exchange)
{
    ExchangeControl(exchange, IDC_TOP_TOOLBAR, topToolbar_);
    ExchangeControl(exchange, IDC_BOTTOM_BAR, bottomBar_);
    ExchangeControl(exchange, IDC_PAGE_LIST, pageList_);
}

bool CMainUIDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Message boxes of the whole program are owned by this window from now on.
    if (CApplication* app = CApplication::Current())
        app->SetMainWindow(Handle());
    pageList_.SetChangeTarget(Handle());
    pageFiles_ = &CPageFileStore::Instance();
    if (!pageFiles_->Prepare()) {
        pageFiles_ = nullptr;
        FrameworkMessageBox(Handle(), L"The program occurred an error!", MB_OK);
        return true;
    }
    SetUpBars();
    PostMessageW(Handle(), kDeferredInitMessage, 0, 0);
    return true;
}

bool CMainUIDlg::PreTranslateMessage(MSG& message)
{
    // Neither Enter nor Escape may close the window from any of its controls.
    return message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

LRESULT CMainUIDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kIdleMessage:
        IdlePass();
        return 0;
    case WM_TIMER:
        if (wParam == kIdleTimerId)
            IdlePass();
        return 0;
    case windowless::kToolbarClickMessage:
        OnToolbarCommand(wParam);
        return 0;
    case kDeferredInitMessage:
        OnDeferredInit();
        return 0;
    case WM_SIZE:
        ApplyLayout();
        break;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_CTLCOLORDLG:
        SetBkColor(reinterpret_cast<HDC>(wParam), kBackgroundColour);
        return reinterpret_cast<LRESULT>(background_.Get());
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CMainUIDlg::OnEraseBackground(HDC dc)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, background_.Get());
    return 1;
}

void CMainUIDlg::ShowStatus(const std::wstring& text, std::uint32_t hold)
{
    if (statusBar_.Handle())
        statusBar_.SetPaneText(0, text);
    statusHold_.Hold(GetTickCount(), hold);
}

void CMainUIDlg::IdlePass()
{
    const std::uint32_t now = GetTickCount();
    balloon_.HideWhenExpired(now);
    if (statusHold_.IdlePass(now) && statusBar_.Handle() && statusBar_.PaneText(0) != L"Ready")
        statusBar_.SetPaneText(0, L"Ready");
}

void CMainUIDlg::RegisterCommands()
{
    Commands().On(ID_FILE_EXIT, [this] { CloseWindow(); });
}

void CMainUIDlg::OnCancel() { CloseWindow(); }

void CMainUIDlg::CloseWindow()
{
    const bool unsavedPages = !saved_ && pageList_.Handle() && pageList_.RowCount() > 0;
    INT_PTR result = IDCANCEL;
    if (unsavedPages || modified_) {
        const int answer = FrameworkMessageBox(Handle(), L"Do you want to save the PDF before closing?",
                                               MB_YESNOCANCEL | MB_ICONINFORMATION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES)
            result = IDOK;
    }
    KillTimer(Handle(), kIdleTimerId);
    EndDialog(result);
    // The working folder stays on disk; only the window's link to it ends.
    pageFiles_ = nullptr;
}

void CMainUIDlg::OnToolbarCommand(WPARAM number)
{
    switch (number) {
    case IDB_IMPORT_ARROW:
        ShowImportArrowMenu();
        break;
    case IDB_IMPORT:
        Commands().DispatchCommand(ID_FILE_IMPORT_IMAGES);
        break;
    case IDB_SCAN:
        Commands().DispatchCommand(ID_SCAN_SCAN);
        break;
    case IDB_SAVE:
        Commands().DispatchCommand(ID_FILE_SAVE);
        break;
    case IDB_SEND:
        Commands().DispatchCommand(ID_FILE_SEND);
        break;
    case IDB_OPTIMIZE:
        Commands().DispatchCommand(ID_EDIT_OPTIMIZE);
        break;
    default:
        break;  // unknown numbers are ignored
    }
}

void CMainUIDlg::ShowImportArrowMenu()
{
    const auto button = topToolbar_.GetButtonRect(IDB_IMPORT);
    if (!button)
        return;
    POINT corner{button->left, button->bottom};
    ClientToScreen(topToolbar_.Handle(), &corner);
    UniqueMenu menu(LoadMenuW(ResourceInstance(), MAKEINTRESOURCEW(IDR_IMPORT_ARROW_MENU)));
    if (!menu)
        return;
    TrackPopupMenu(GetSubMenu(menu.Get(), 0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, corner.x, corner.y, 0,
                   Handle(), nullptr);
}

}  // namespace dravolt
