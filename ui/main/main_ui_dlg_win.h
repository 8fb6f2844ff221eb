// The program's main window: the page list at the left, the page viewer in
// the middle, the toolbar of large buttons at the top, the bar of small
// buttons under the viewer, the status bar and the menu bar. The
// application runs it modally; it lives until the user closes it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/page_list_box_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "framework/status_bar_win.h"
#include "scan/scanner_worker_win.h"
#include "ui/main/about/window_icons_win.h"
#include "ui/main/command_rules.h"
#include "ui/main/hint_balloon_win.h"
#include "ui/main/page_item_viewer_win.h"
#include "ui/main/status_hold.h"
#include "ui/main/window_layout.h"
#include "ui/windowless/toolbar_win.h"

namespace dravolt {

class CPageFileStore;

// The deferred initialisation, posted to itself at the end of start-up.
inline constexpr UINT kDeferredInitMessage = WM_APP + 102;
inline constexpr UINT_PTR kIdleTimerId = 65535;

class CMainUIDlg : public CDialog {
public:
    CMainUIDlg();
    ~CMainUIDlg() override;

    // Pane 0 shows `text` for `hold` milliseconds, then "Ready".
    void ShowStatus(const std::wstring& text, std::uint32_t hold);

    bool PreTranslateMessage(MSG& message) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void DoDataExchange(CDataExchange& exchange) override;
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    // Start-up (main_ui_setup_win.cpp).
    void SetUpBars();
    void CreateStatusBar();
    void FillTopToolbar();
    void FillBottomBar();
    void ShowStartupHint();
    void OnDeferredInit();
    void CreateViewer();

    // Layout (main_ui_layout_win.cpp).
    void MeasureLayout();
    void ApplyLayout();
    void OnGetMinMaxInfo(MINMAXINFO& info) const;

    // Running.
    void IdlePass();
    mainui::WindowState CurrentState() const;
    static void UpdateMenu(HMENU menu, const mainui::WindowState& state);
    void OnToolbarCommand(WPARAM number);
    void ShowImportArrowMenu();
    void RegisterCommands();

    // Document commands (main_ui_commands_win.cpp).
    void RegisterDocumentCommands();
    void ImportImages();
    void ImportDroppedFiles(const std::vector<std::wstring>& dropped);
    void RunImportTask(const std::vector<std::wstring>& files);
    void Save();

    // Page commands (main_ui_page_commands_win.cpp).
    enum class ZoomRequest { In, Out, Actual };
    void RegisterPageCommands();
    bool PagesUsable() const;
    void DeleteSelectedPage();
    void DeleteAllPages();
    void MoveSelectedPage(bool toFirst);
    void RotateSelectedPage(bool right);
    void OptimizePage();
    void ImportFolder();
    void ZoomViewer(ZoomRequest request);
    void ShowSelectedPage();

    // Scanner commands (main_ui_scan_commands_win.cpp).
    void RegisterScanCommands();
    bool RunScanner(ScanCommand code, bool pump);
    void SelectScanner();
    void Scan();
    bool IsBusy() const;
    bool RefusedWhileBusy(UINT message, WPARAM wParam, LPARAM lParam) const;

    void OnSelectionChange();
    void CloseWindow();
    LRESULT OnEraseBackground(HDC dc);

    windowless::CDUIToolbar topToolbar_;
    windowless::CDUIToolbar bottomBar_;
    CPageListBox pageList_;
    CPageItemViewer viewer_;
    CStatusBar statusBar_;
    CScannerWorker scanner_;
    about::CWindowIcons icons_;
    mainui::CHintBalloon balloon_;
    mainui::StatusHold statusHold_;
    UniqueBrush background_;

    CPageFileStore* pageFiles_ = nullptr;  // not owned: the process-wide store
    HWND viewerArea_ = nullptr;            // not owned: the viewer, or its placeholder
    bool barsReady_ = false;               // the store was ready and the bars were made
    bool layoutReady_ = false;
    bool saved_ = false;
    bool modified_ = false;
    int scannerFlow_ = 0;                  // scanner commands under way
    bool scannersPresent_ = false;         // as last seen while idle
    bool closePending_ = false;            // closing waits for the running scanner command

    // Kept distances of page list, top toolbar, viewer and bottom bar.
    std::array<mainui::KeptPlace, 4> kept_{};
};

}  // namespace dravolt
