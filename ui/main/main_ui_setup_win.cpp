// The main window's start-up: status bar, both toolbars, the start-up hint,
// the idle timer, and the deferred initialisation that puts the viewer in
// place and shows the window maximised.
#include "ui/main/main_ui_dlg_win.h"

#include <commctrl.h>

#include "ui/main/main_ui_ids.h"

namespace dravolt {

namespace {
constexpr int kTopToolbarHeight = 40;
constexpr int kZoomPaneWidth = 100;
constexpr UINT kIdlePeriod = 500;
}  // namespace

void CMainUIDlg::SetUpBars()
{
    // Counting the scanners shows nothing, so the wait serves no messages;
    // without a worker thread it is refused at once.
    scanner_.Run(ScanCommand::EnumerateDevices, false);
    scannersPresent_ = scanner_.State().scannersPresent;
    CreateStatusBar();
    RECT bar{};
    GetWindowRect(topToolbar_.Handle(), &bar);
    SetWindowPos(topToolbar_.Handle(), nullptr, 0, 0, bar.right - bar.left, kTopToolbarHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FillTopToolbar();
    FillBottomBar();
    barsReady_ = true;
    balloon_.Create(Handle());
    ShowStartupHint();
    ShowStatus(L"Scan your image or import your images to page box", mainui::kShortHold);
    SetTimer(Handle(), kIdleTimerId, kIdlePeriod, nullptr);
}

void CMainUIDlg::CreateStatusBar()
{
    if (!statusBar_.Create(Handle(), IDC_STATUS_BAR))
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    statusBar_.SetPanes({client.right - kZoomPaneWidth, -1});
    statusBar_.SetPaneText(0, L"Ready");
    // Pane 1 shows the zoom without borders.
    SendMessageW(statusBar_.Handle(), SB_SETTEXTW, 1 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(L" "));
    statusBar_.Reposition();
}

void CMainUIDlg::FillTopToolbar()
{
    topToolbar_.AddSeparator();
    topToolbar_.AddTextButton(IDB_SCAN, L"Scan  ", L"scanner.png", L"No scanner device available");
    topToolbar_.AddImportButton();
    topToolbar_.AddTextButton(IDB_SAVE, L"Save  ", L"save_all.png", L"Save to PDF document");
    topToolbar_.AddTextButton(IDB_SEND, L"Send  ", L"send.png", L"Send the PDF document as email attachment");
    topToolbar_.SetButtonWidth(IDB_SCAN, 70);
    topToolbar_.SetButtonWidth(IDB_IMPORT, 85);
    topToolbar_.SetButtonWidth(IDB_SAVE, 70);
    topToolbar_.SetButtonWidth(IDB_SEND, 70);
}

void CMainUIDlg::FillBottomBar()
{
    struct Icon {
        int id;
        const wchar_t* image;
        const wchar_t* tooltip;
    };
    static constexpr Icon kIcons[] = {
        {IDB_ROTATE_LEFT, L"turn_left.png", L"Rotate Left"},
        {IDB_ROTATE_RIGHT, L"turn_right.png", L"Rotate Right"},
        {IDB_ZOOM_IN, L"zoom_in.png", L"Zoom-In"},
        {IDB_ZOOM_OUT, L"zoom_out.png", L"Zoom-Out"},
        {IDB_ZOOM_ACTUAL, L"zoom_to_actual.png", L"Zoom-To_Actual"},
    };
    for (const Icon& icon : kIcons)
        bottomBar_.AddIconButton(icon.id, icon.image, icon.tooltip);
    bottomBar_.AddSeparator();
    bottomBar_.AddIconButton(IDB_OPTIMIZE, L"optimize.png", L"Optimize");
    for (int id = IDB_ROTATE_LEFT; id <= IDB_OPTIMIZE; ++id)
        bottomBar_.SetButtonWidth(id, 30);
}

void CMainUIDlg::ShowStartupHint()
{
    const bool scanners = scannersPresent_;
    const int button = scanners ? IDB_SCAN : IDB_IMPORT;
    const auto rect = topToolbar_.GetButtonRect(button);
    if (!rect)
        return;
    POINT point{rect->left + 20, rect->bottom - 10};
    ClientToScreen(topToolbar_.Handle(), &point);
    if (scanners)
        balloon_.Show(L"Click here to scan your images", 1000, point);
    else
        balloon_.Show(L"No scanner device available! \nClick here to import your images", 4000, point);
}

void CMainUIDlg::OnDeferredInit()
{
    CreateViewer();
    layoutReady_ = true;
    MeasureLayout();
    ApplyLayout();
    ShowWindow(Handle(), SW_SHOWMAXIMIZED);
}

// The viewer takes the placeholder's place, size and identifier, so the
// layout keeps the distances the dialog template gives it.
void CMainUIDlg::CreateViewer()
{
    viewerArea_ = GetDlgItem(Handle(), IDC_VIEWER_AREA);
    if (!viewerArea_ || viewer_.Handle())
        return;
    RECT rect{};
    GetWindowRect(viewerArea_, &rect);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    DestroyWindow(viewerArea_);
    viewerArea_ = nullptr;
    if (!viewer_.Create(Handle(), IDC_VIEWER_AREA, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect))
        return;
    viewerArea_ = viewer_.Handle();
    pageList_.SetViewerWindow(viewerArea_);
    viewer_.ShowPage(pageList_.GetSelectedPage());
}

}  // namespace dravolt
