// The base control, containers, the horizontal bar and the label.
#include "ui/windowless/controls_win.h"

#include "brennix/brennix.h"
#include "ui/windowless/bar_layout.h"
#include "ui/windowless/manager_win.h"
#include "ui/windowless/paint_rules.h"

namespace dravolt::windowless {

namespace {

RECT Intersection(const RECT& a, const RECT& b)
{
    RECT r{};
    IntersectRect(&r, &a, &b);
    return r;
}

void GradientHalves(HDC dc, const RECT& p, std::uint32_t c1, std::uint32_t c2, std::uint32_t c3, bool vertical)
{
    // With an odd extent the second half starts one pixel earlier.
    RECT first = p, second = p;
    if (vertical) {
        first.bottom = p.top + (p.bottom - p.top) / 2;
        second.top = p.bottom - (p.bottom - p.top + 1) / 2;
    } else {
        first.right = p.left + (p.right - p.left) / 2;
        second.left = p.right - (p.right - p.left + 1) / 2;
    }
    CRenderEngine::DrawGradient(dc, first, c1, c2, vertical, 16);
    CRenderEngine::DrawGradient(dc, second, c2, c3, vertical, 16);
}

}  // namespace

void CWindowLessControl::PaintArea(HDC dc, const RECT& area)
{
    paint_ = Intersection(area, position_);
    if (IsRectEmpty(&paint_))
        return;
    PaintBackgroundColour(dc);
    PaintBackgroundImage(dc);
    PaintStateImage(dc);
    PaintCaption(dc);
    PaintFrame(dc);
}

void CWindowLessControl::PaintBackgroundColour(HDC dc)
{
    if (!backgroundColour1)
        return;
    if (!backgroundColour2)
        CRenderEngine::DrawColor(dc, position_, backgroundColour1);
    else if (!backgroundColour3)
        CRenderEngine::DrawGradient(dc, position_, backgroundColour1, backgroundColour2, verticalGradient, 16);
    else
        GradientHalves(dc, position_, backgroundColour1, backgroundColour2, backgroundColour3, verticalGradient);
}

bool CWindowLessControl::DrawImage(HDC dc, std::wstring& image, LPCWSTR modify)
{
    if (image.empty())
        return false;
    if (CRenderEngine::DrawImageString(dc, &thePaintManager, position_, paint_, image.c_str(), modify))
        return true;
    image.clear();
    return false;
}

void CWindowLessControl::PaintBackgroundImage(HDC dc)
{
    DrawImage(dc, backgroundImage);
}

void CWindowLessControl::PaintFrame(HDC dc)
{
    if (!borderColour || !borderSize)
        return;
    if (borderSides == 15) {
        CRenderEngine::DrawRect(dc, position_, borderSize, borderColour);
        return;
    }
    const RECT& p = position_;
    RECT line{};
    if (borderSides & 1)
        line = {p.left, p.top, p.right, p.top};
    else if (borderSides & 2)
        line = {p.right - 1, p.top, p.right - 1, p.bottom};  // on the last column, not past it
    else if (borderSides & 4)
        line = {p.left, p.bottom - 1, p.right, p.bottom - 1};
    else if (borderSides & 8)
        line = {p.left, p.top, p.left, p.bottom};
    else
        return;
    CRenderEngine::DrawLine(dc, line, borderSize, borderColour);
}

void CWindowLessControl::HandleEvent(const TEventUI& event)
{
    switch (event.type) {
    case event::kSetFocus:
    case event::kKillFocus:
        focused_ = event.type == event::kSetFocus;
        Repaint();
        return;
    case event::kSetCursor:
        ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return;
    case event::kTimer:
        if (manager_)
            manager_->SendNotify(L"timer", this, event.wParam, event.lParam);
        return;
    default:
        if (parent_)
            parent_->HandleEvent(event);
    }
}

void CWindowLessControl::SetFixedRectangle(const RECT& rect)
{
    fixed_ = rect;
    if (manager_) {
        manager_->NeedLayout();
        InvalidateRect(manager_->Window(), nullptr, FALSE);
    }
}

SIZE CWindowLessControl::PreferredSize(SIZE) const
{
    return {fixed_.right - fixed_.left, fixed_.bottom - fixed_.top};
}

void CWindowLessControl::Repaint()
{
    if (manager_)
        manager_->Invalidate(position_);
}

CWindowLessControl* CWindowLessControl::FindControlAt(FindTest test, void* data, unsigned flags)
{
    if ((flags & kFindVisible) && !visible_)
        return nullptr;
    if ((flags & kFindEnabled) && !enabled_)
        return nullptr;
    if ((flags & kFindHitTest) && !PtInRect(&position_, *static_cast<POINT*>(data)))
        return nullptr;
    return test(this, data);
}

RECT CContainerUI::Inner() const
{
    return {position_.left + inset.left, position_.top + inset.top, position_.right - inset.right,
            position_.bottom - inset.bottom};
}

int CContainerUI::AddChild(std::unique_ptr<CWindowLessControl> child)
{
    child->AttachParent(this);
    child->AttachManager(manager_);
    children_.push_back(std::move(child));
    return ChildCount() - 1;
}

CWindowLessControl* CContainerUI::ChildAt(int index) const
{
    return index >= 0 && index < ChildCount() ? children_[static_cast<size_t>(index)].get() : nullptr;
}

CWindowLessControl* CContainerUI::FindChildByName(const std::wstring& childName) const
{
    for (const auto& child : children_)
        if (child->name == childName)
            return child.get();
    return nullptr;
}

void CContainerUI::AttachManager(CDUIManager* manager)
{
    for (const auto& child : children_)
        child->AttachManager(manager);
    CWindowLessControl::AttachManager(manager);
}

CWindowLessControl* CContainerUI::FindControlAt(FindTest test, void* data, unsigned flags)
{
    if ((flags & kFindVisible) && !visible_)
        return nullptr;
    for (const auto& child : children_)
        if (CWindowLessControl* found = child->FindControlAt(test, data, flags))
            return found;
    return CWindowLessControl::FindControlAt(test, data, flags);
}

void CContainerUI::PaintArea(HDC dc, const RECT& area)
{
    const RECT own = Intersection(position_, area);
    CRenderClip clip;
    CRenderClip::GenerateClip(dc, own, clip);
    CWindowLessControl::PaintArea(dc, area);
    if (children_.empty())
        return;
    const RECT inner = Intersection(Inner(), area);
    CRenderClip childClip;
    CRenderClip::GenerateClip(dc, inner, childClip);
    for (const auto& child : children_) {
        RECT meet{};
        if (child->IsVisible() && IntersectRect(&meet, &child->Position(), &inner))
            child->PaintArea(dc, area);
    }
}

void CContainerUI::PlaceAt(const RECT& rect)
{
    CWindowLessControl::PlaceAt(rect);
    for (const auto& child : children_)
        child->PlaceAt(Inner());
}

void CHorizontalBarUI::PlaceAt(const RECT& rect)
{
    CWindowLessControl::PlaceAt(rect);
    const RECT r = Inner();
    const SIZE available{r.right - r.left, r.bottom - r.top};
    std::vector<BarChild> sizes;
    for (const auto& child : children_)
        sizes.push_back({child->IsVisible(), child->IsVisible() ? child->PreferredSize(available).cx : 0});
    const auto placed = LayoutBar({r.left, r.top, r.right, r.bottom}, childPadding, sizes);
    for (size_t i = 0; i < children_.size(); ++i)
        if (placed[i])
            children_[i]->PlaceAt({placed[i]->left, placed[i]->top, placed[i]->right, placed[i]->bottom});
}

void CLabelUI::PaintCaption(HDC dc)
{
    if (text.empty())
        return;
    RECT r{position_.left + textPadding.left, position_.top + textPadding.top, position_.right - textPadding.right,
           position_.bottom - textPadding.bottom};
    const std::uint32_t colour = enabled_ ? textColour : disabledTextColour;
    const UINT flags = AlignmentTextFlags(textAlignment);
    if (htmlText) {
        int links = 0;
        CRenderEngine::DrawHtmlText(dc, &thePaintManager, r, text.c_str(), colour, font, flags, nullptr, nullptr,
                                    links);
    } else {
        CRenderEngine::DrawTextW(dc, &thePaintManager, r, text.c_str(), colour, font, flags);
    }
}

}  // namespace dravolt::windowless
