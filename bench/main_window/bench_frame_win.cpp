#include "bench/main_window/bench_frame_win.h"

namespace dravolt::bench {

namespace {

constexpr UINT kListId = 1001;
constexpr UINT kViewerId = 1007;
// Pixel sizes of the main window's bands around the list and viewer.
constexpr int kTopBand = 44;      // top toolbar (40) and the gap below it
constexpr int kStatusBand = 24;   // status bar
constexpr int kBottomBar = 33;    // bottom bar of image buttons
constexpr int kListLeft = 3;
constexpr int kListWidth = 170;
constexpr int kGap = 5;

}  // namespace

bool CBenchFrame::Open()
{
    if (!Create(nullptr, 0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, {0, 0, 1280, 1024}, 0,
                L"Dravolt main window benchmark"))
        return false;
    ShowWindow(Handle(), SW_SHOWMAXIMIZED);
    RECT client{};
    GetClientRect(Handle(), &client);
    listRect_ = {kListLeft, kTopBand, kListLeft + kListWidth, client.bottom - kStatusBand};
    viewerRect_ = {listRect_.right + kGap, kTopBand, client.right - 2, listRect_.bottom - kBottomBar};
    if (!list_.Create(Handle(), kListId, listRect_) ||
        !viewer_.Create(Handle(), kViewerId, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, viewerRect_))
        return false;
    list_.SetViewerWindow(viewer_.Handle());
    list_.SetChangeTarget(Handle());
    Commands().On(kListId, LBN_SELCHANGE, [this] { OnSelectionChange(); });
    viewer_.ShowPage(nullptr);
    PaintNow();
    return true;
}

void CBenchFrame::OnSelectionChange()
{
    viewer_.ShowPage(list_.GetSelectedPage());
    ++viewerRefreshes_;
}

LRESULT CBenchFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT client{};
        GetClientRect(Handle(), &client);
        const HBRUSH grey = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        FillRect(reinterpret_cast<HDC>(wParam), &client, grey);
        return 1;
    }
    return CWindow::WindowProc(message, wParam, lParam);
}

}  // namespace dravolt::bench
