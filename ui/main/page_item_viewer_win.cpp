// Drawing, zooming and panning of page_item_viewer_win.h.
#include "ui/main/page_item_viewer_win.h"

#include <windowsx.h>

#include <memory>

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
    ShowPicture(page ? page->SharedFullImage() : nullptr);
}

void CPageItemViewer::ShowImage(const imaging::Image& image)
{
    ShowPicture(image.IsValid() ? std::make_shared<const imaging::Image>(image) : nullptr);
}

void CPageItemViewer::ShowPicture(std::shared_ptr<const imaging::Image> picture)
{
    picture_ = std::move(picture);
    pictureSize_ = picture_ ? mainui::Extent{picture_->Width(), picture_->Height()} : mainui::Extent{};
    reduced_.Reset();
    reducedSize_ = {};
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
        if (!DrawReduced(dc, target))
            DrawPart(dc, {0, 0, pictureSize_.width, pictureSize_.height}, target);
        return;
    }
    const mainui::ViewCopy copy = mainui::ZoomedPlacement(pictureSize_, zoom_, client, ScrollPoint());
    DrawPart(dc, copy.source, copy.target);
}

bool CPageItemViewer::DrawReduced(HDC dc, const mainui::Rect& target)
{
    const mainui::Extent size{target.width, target.height};
    const bool smaller = size.width < pictureSize_.width || size.height < pictureSize_.height;
    if (!smaller || size.width <= 0 || size.height <= 0)
        return false;
    if (!reduced_ || reducedSize_ != size) {
        reduced_ = imaging::MakeDib(imaging::ScaleDown(*picture_, {size.width, size.height}));
        reducedSize_ = reduced_ ? size : mainui::Extent{};
    }
    // A wrapped bitmap is a copy source only; valid once the bitmap is selected.
    controls::CDoubleBufferDC reduced(reduced_.Get());
    return reduced.IsValid() &&
           BitBlt(dc, target.left, target.top, size.width, size.height, reduced.Get(), 0, 0, SRCCOPY);
}

void CPageItemViewer::DrawPart(HDC dc, const mainui::Rect& source, const mainui::Rect& target) const
{
    if (target.width <= 0 || target.height <= 0)
        return;
    imaging::DrawImagePart(dc, *picture_,
                           {source.left, source.top, source.left + source.width, source.top + source.height},
                           {target.left, target.top, target.left + target.width, target.top + target.height});
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
