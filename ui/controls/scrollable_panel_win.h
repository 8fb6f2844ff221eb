// A panel with window scroll bars and wheel scrolling for content it does
// not know: a derived class reports the content size and scroll steps, the
// panel keeps the bars' range, visibility and position in step with it.
#pragma once

#include <optional>

#include "ui/controls/panels_win.h"
#include "ui/controls/scroll_rules.h"

namespace dravolt::controls {

class CScrollablePanel : public CPanel {
public:
    CScrollablePanel();

    // What there is to scroll; nothing means the bars and wheel do nothing.
    virtual std::optional<ScrollMetrics> Metrics() const { return std::nullopt; }
    // Moves the drawing origin to the scroll position.
    virtual void PrepareDC(HDC dc);

    bool HorizontalBarShown() const { return horizontalShown_; }
    bool VerticalBarShown() const { return verticalShown_; }
    int ScrollPosition(int bar) const { return GetScrollPos(Handle(), bar); }
    // Range, page and visibility from the metrics, horizontal bar first.
    void UpdateScrollBars();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AfterAttach() override;
    LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnScroll(int bar, WPARAM wParam);
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    bool UpdateBar(int bar, int content, int page, int client);

    bool horizontalShown_ = false;
    bool verticalShown_ = false;
};

}  // namespace dravolt::controls
