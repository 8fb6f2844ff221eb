// Resizing the main window: children keep the distances to the client edges
// measured once after the deferred initialisation.
#include "ui/main/main_ui_dlg_win.h"

#include "ui/main/main_ui_ids.h"

namespace dravolt {

namespace {

using mainui::Anchor;

struct Child {
    int id;
    Anchor anchor;
};
constexpr Child kChildren[] = {
    {IDC_PAGE_LIST, Anchor::kLeftColumn},
    {IDC_TOP_TOOLBAR, Anchor::kTopStrip},
    {IDC_VIEWER_AREA, Anchor::kFill},
    {IDC_BOTTOM_BAR, Anchor::kBottomStrip},
};
constexpr int kZoomPaneWidth = 100;

mainui::Box ChildBox(HWND parent, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

void CMainUIDlg::MeasureLayout()
{
    RECT client{};
    GetClientRect(Handle(), &client);
    for (std::size_t i = 0; i < kept_.size(); ++i) {
        if (HWND child = GetDlgItem(Handle(), kChildren[i].id))
            kept_[i] = mainui::MeasurePlace(ChildBox(Handle(), child), client.right, client.bottom);
    }
}

void CMainUIDlg::ApplyLayout()
{
    if (!layoutReady_ || !GetWindow(Handle(), GW_CHILD))
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    for (std::size_t i = 0; i < kept_.size(); ++i) {
        HWND child = GetDlgItem(Handle(), kChildren[i].id);
        if (!child)
            continue;
        const mainui::Box box = mainui::PlaceChild(kept_[i], kChildren[i].anchor, client.right, client.bottom);
        SetWindowPos(child, nullptr, box.left, box.top, box.Width(), box.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (statusBar_.Handle()) {
        statusBar_.SetPanes({client.right - kZoomPaneWidth, -1});
        statusBar_.Reposition();
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CMainUIDlg::OnGetMinMaxInfo(MINMAXINFO& info) const
{
    info.ptMinTrackSize = {mainui::kMinimumTrackWidth, mainui::kMinimumTrackHeight};
}

}  // namespace dravolt
