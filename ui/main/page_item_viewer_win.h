// The large preview of the selected page in the main window: the page's
// full image fitted to the window or at a chosen zoom, scrolled with the
// bars and the wheel and dragged with the left mouse button, or the text
// "No page to preview" when no page is selected.
#pragma once

#include <memory>

#include "imaging/dib_win.h"
#include "ui/controls/scrollable_panel_win.h"
#include "ui/main/viewer_geometry.h"

namespace dravolt {

class CPageItem;

class CPageItemViewer : public controls::CScrollablePanel {
public:
    CPageItemViewer();

    // Shows `page`'s full image, or the empty text for none. Called again
    // after the page's image changed (a turn), since the page then holds a
    // new image and the viewer still the one it was given.
    void ShowPage(const CPageItem* page);
    // Shows a copy of `image`; an invalid image shows the empty text.
    void ShowImage(const imaging::Image& image);
    // Leaves fit mode and shows the picture at `zoom`, within the limits.
    void SetZoom(float zoom);
    // The picture scaled to fit the window, without scroll bars.
    void Fit();
    float Zoom() const { return zoom_; }
    bool IsFitted() const { return fit_; }

    std::optional<controls::ScrollMetrics> Metrics() const override;

protected:
    void DrawForeground(HDC dc) override;
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;

private:
    mainui::Extent PictureSize() const { return picture_ ? pictureSize_ : mainui::Extent{}; }
    mainui::Extent ClientSize() const;
    mainui::Point ScrollPoint() const;
    void ScrollTo(mainui::Point position);
    void ShowPicture(std::shared_ptr<const imaging::Image> picture);
    // The fitted picture from a copy averaged down to the target's size,
    // made once and kept while that size is drawn: stretching a 300-dpi
    // page into the window on every paint costs far more, and averaging
    // looks better. False when the target is not smaller than the picture
    // or the copy cannot be made.
    bool DrawReduced(HDC dc, const mainui::Rect& target);
    // The `source` part of the picture stretched onto `target`.
    void DrawPart(HDC dc, const mainui::Rect& source, const mainui::Rect& target) const;
    void Refresh();

    // The page's full image, shared with the page: it stays alive while it
    // is shown even when the page has let it go.
    std::shared_ptr<const imaging::Image> picture_;
    mainui::Extent pictureSize_;
    imaging::DibBitmap reduced_;  // the fitted view, averaged down; see DrawReduced
    mainui::Extent reducedSize_;
    float zoom_ = 1.0f;
    bool fit_ = true;  // a newly selected page is seen whole
    bool panning_ = false;
    mainui::Point lastMouse_;
};

}  // namespace dravolt
