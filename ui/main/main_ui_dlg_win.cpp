// The main window's start, messages, idle pass and closing.
#include "ui/main/main_ui_dlg_win.h"

#include <windowsx.h>

#include "app/page_file_store_win.h"
#include "framework/application_win.h"
#include "document/page_list_messages.h"
#include "ui/main/about/about_dlg_win.h"
#include "ui/main/command_rules.h"
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
    icons_.Apply(Handle());
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
    scanner_.Start(Handle());
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
    if (RefusedWhileBusy(message, wParam, lParam))
        return 0;
    const LRESULT result = HandleMessage(message, wParam, lParam);
    // A close asked for while a scanner command ran is carried out once the
    // command has ended and the worker no longer uses the window.
    if (closePending_ && !IsBusy()) {
        closePending_ = false;
        CloseWindow();
    }
    return result;
}

LRESULT CMainUIDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
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
    case kPageListChangedMessage:
        return 0;  // only wakes the loop, so the idle pass that follows refreshes
    case kFilesDroppedMessage:
        if (wParam)
            ImportDroppedFiles(*reinterpret_cast<const std::vector<std::wstring>*>(wParam));
        return 0;
    case WM_SIZE:
        ApplyLayout();
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(icons_.Big());
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
    if (!IsBusy())
        scannersPresent_ = scanner_.State().scannersPresent;  // the worker writes it while busy
    const mainui::WindowState state = CurrentState();
    UpdateMenu(GetMenu(Handle()), state);
    if (barsReady_) {
        for (int button = IDB_IMPORT; button <= IDB_OPTIMIZE; ++button)
            (button <= IDB_SEND ? topToolbar_ : bottomBar_).EnableButton(button, mainui::ToolbarButtonEnabled(button, state));
        topToolbar_.SetScanButtonTooltip(state.scannersPresent ? L"Scan from selected device"
                                                               : L"No scanner device available");
    }
    if (statusHold_.IdlePass(now) && statusBar_.Handle() && statusBar_.PaneText(0) != L"Ready")
        statusBar_.SetPaneText(0, L"Ready");
}

mainui::WindowState CMainUIDlg::CurrentState() const
{
    mainui::WindowState state;
    state.idle = !IsBusy();
    state.scannersPresent = scannersPresent_;
    state.storeReady = pageFiles_ && pageFiles_->IsReady();
    state.saved = saved_;
    if (pageList_.Handle()) {
        state.pageCount = pageList_.RowCount();
        state.selectedRow = pageList_.SelectedRow();
        state.viewerHasImage = layoutReady_ && pageList_.GetSelectedPage() != nullptr;
    }
    return state;
}

void CMainUIDlg::UpdateMenu(HMENU menu, const mainui::WindowState& state)
{
    // Every item, nested pop-ups included; only known commands change.
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        if (HMENU popup = GetSubMenu(menu, i)) {
            UpdateMenu(popup, state);
            continue;
        }
        const UINT id = GetMenuItemID(menu, i);
        if (id != 0 && id != static_cast<UINT>(-1))
            EnableMenuItem(menu, i, MF_BYPOSITION | (mainui::MenuCommandEnabled(static_cast<int>(id), state) ? MF_ENABLED : MF_GRAYED));
    }
}

void CMainUIDlg::RegisterCommands()
{
    Commands().On(ID_FILE_EXIT, [this] { CloseWindow(); });
    Commands().On(ID_HELP_ABOUT, [this] { CAboutDlg().DoModal(Handle()); });
    Commands().On(IDC_PAGE_LIST, LBN_SELCHANGE, [this] { OnSelectionChange(); });
    RegisterDocumentCommands();
    RegisterPageCommands();
    RegisterScanCommands();
}

void CMainUIDlg::OnSelectionChange()
{
    if (!layoutReady_)
        return;
    if (viewer_.Handle())
        viewer_.ShowPage(pageList_.GetSelectedPage());
    ShowStatus(L"Panning your image or you can optimize it", mainui::kLongHold);
}

void CMainUIDlg::OnCancel() { CloseWindow(); }

void CMainUIDlg::CloseWindow()
{
    if (IsBusy()) {
        closePending_ = true;  // the worker still uses the window
        return;
    }
    const bool unsavedPages = !saved_ && pageList_.Handle() && pageList_.RowCount() > 0;
    INT_PTR result = IDCANCEL;
    if (unsavedPages || modified_) {
        const int answer = FrameworkMessageBox(Handle(), L"Do you want to save the PDF before closing?",
                                               MB_YESNOCANCEL | MB_ICONINFORMATION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES) {
            Save();  // the window closes whatever the save's outcome
            result = IDOK;
        }
    }
    KillTimer(Handle(), kIdleTimerId);
    EndDialog(result);
    scanner_.Stop();
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
    case IDB_ROTATE_LEFT:
    case IDB_ROTATE_RIGHT:
        RotateSelectedPage(number == IDB_ROTATE_RIGHT);
        break;
    case IDB_ZOOM_IN:
        ZoomViewer(ZoomRequest::In);
        break;
    case IDB_ZOOM_OUT:
        ZoomViewer(ZoomRequest::Out);
        break;
    case IDB_ZOOM_ACTUAL:
        ZoomViewer(ZoomRequest::Actual);
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
