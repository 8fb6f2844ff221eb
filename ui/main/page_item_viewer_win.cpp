// Drawing, zooming and panning of page_item_viewer_win.h.
#include "ui/main/page_item_viewer_win.h"

#include <windowsx.h>

#include "document/page_item.h"
#include "imaging/thumbnail.h"
#include "ui/controls/double_buffer_dc_win.h"

namespace dravolt {

namespace {
constexpr std::uint32_t kViewerBackground = 0xFF808080;
constexpr wchar_t kNoPageText[] = L"No page to preview";
}  // namespace

CPageItemViewer::CPageItemViewer()
{
    backgroundColour_ = kViewerBackground;
    text_ = kNoPageText;
}

void CPageItemViewer::ShowPage(const CPageItem* page)
{
    ShowImage(page && page->HasFullImage() ? page->FullImage() : imaging::Image());
}

void CPageItemViewer::ShowImage(const imaging::Image& image)
{
    picture_.Reset();
    pictureSize_ = {};
    reduced_.Reset();
    reducedSize_ = {};
    if (image.IsValid()) {
        picture_ = imaging::MakeDib(image);
        if (picture_)
            pictureSize_ = {image.Width(), image.Height()};
    }
    SetControlText(picture_ ? L"" : kNoPageText);
    panning_ = false;
    Refresh();
}

void CPageItemViewer::SetZoom(float zoom)
{
    const float next = mainui::ClampZoom(zoom);
    const mainui::Point scroll = mainui::ZoomedScroll(ScrollPoint(), PictureSize(), zoom_, next);
    fit_ = false;
    zoom_ = next;
    UpdateScrollBars();
    ScrollTo(scroll);  // the bars limit it to the new range
    RedrawNow();
}

void CPageItemViewer::Fit()
{
    fit_ = true;
    Refresh();
}

std::optional<controls::ScrollMetrics> CPageItemViewer::Metrics() const
{
    const mainui::Extent client = ClientSize();
    const mainui::Extent content = fit_ ? client : mainui::ZoomedContent(PictureSize(), zoom_);
    return controls::ScrollMetrics{content.width, content.height, client.width, client.height,
                                   client.width / 10, client.height / 10};
}

mainui::Extent CPageItemViewer::ClientSize() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    return {client.right - client.left, client.bottom - client.top};
}

mainui::Point CPageItemViewer::ScrollPoint() const
{
    return {ScrollPosition(SB_HORZ), ScrollPosition(SB_VERT)};
}

void CPageItemViewer::ScrollTo(mainui::Point position)
{
    SetScrollPos(Handle(), SB_HORZ, position.x, TRUE);
    SetScrollPos(Handle(), SB_VERT, position.y, TRUE);
}

void CPageItemViewer::Refresh()
{
    UpdateScrollBars();
    RedrawNow();
}

void CPageItemViewer::DrawForeground(HDC dc)
{
    if (!picture_)
        return;
    const mainui::Extent client = ClientSize();
    if (fit_) {
        zoom_ = mainui::FitScale(pictureSize_, client);
        const mainui::Rect target = mainui::FittedPlacement(pictureSize_, client);
        if (const HBITMAP reduced = ReducedPicture({target.width, target.height}))
            CopyBitmap(dc, reduced, {0, 0, target.width, target.height}, target);
        else
            CopyBitmap(dc, picture_.Get(), {0, 0, pictureSize_.width, pictureSize_.height}, target);
        return;
    }
    const mainui::ViewCopy copy = mainui::ZoomedPlacement(pictureSize_, zoom_, client, ScrollPoint());
    CopyBitmap(dc, picture_.Get(), copy.source, copy.target);
}

HBITMAP CPageItemViewer::ReducedPicture(mainui::Extent size)
{
    const bool smaller = size.width < pictureSize_.width || size.height < pictureSize_.height;
    if (!smaller || size.width <= 0 || size.height <= 0)
        return nullptr;
    if (reduced_ && reducedSize_ == size)
        return reduced_.Get();
    reduced_.Reset();
    reducedSize_ = {};
    const imaging::Image full = imaging::ImageFromBitmap(picture_.Get());
    reduced_ = imaging::MakeDib(imaging::ScaleDown(full, {size.width, size.height}));
    if (!reduced_)
        return nullptr;
    reducedSize_ = size;
    return reduced_.Get();
}

void CPageItemViewer::CopyBitmap(HDC dc, HBITMAP bitmap, const mainui::Rect& source, const mainui::Rect& target)
{
    if (target.width <= 0 || target.height <= 0)
        return;
    // A wrapped bitmap is a copy source only; its context is the test of success.
    controls::CDoubleBufferDC picture(bitmap);
    if (!picture.Get())
        return;
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target.left, target.top, target.width, target.height, picture.Get(), source.left, source.top,
               source.width, source.height, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
}

LRESULT CPageItemViewer::OnLButtonDown(WPARAM wParam, LPARAM lParam)
{
    CScrollablePanel::OnLButtonDown(wParam, lParam);
    SetFocus(Handle());
    SetCapture(Handle());
    const auto m = Metrics();
    if (fit_ || (m->contentWidth <= m->pageWidth && m->contentHeight <= m->pageHeight))
        return 0;
    panning_ = true;
    lastMouse_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return 0;
}

LRESULT CPageItemViewer::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    CScrollablePanel::OnMouseMove(wParam, lParam);
    const mainui::Point now{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!panning_ || fit_ || now == lastMouse_)
        return 0;
    const auto m = Metrics();
    ScrollTo(mainui::PannedScroll(ScrollPoint(), lastMouse_, now, {m->contentWidth, m->contentHeight},
                                  ClientSize()));
    lastMouse_ = now;
    RedrawNow();
    return 0;
}

LRESULT CPageItemViewer::OnLButtonUp(WPARAM wParam, LPARAM lParam)
{
    CScrollablePanel::OnLButtonUp(wParam, lParam);
    if (GetCapture() == Handle())
        ReleaseCapture();
    panning_ = false;
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return 0;
}

}  // namespace dravolt
