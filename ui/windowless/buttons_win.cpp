// The windowless buttons of buttons_win.h: events through the state
// machine of button_logic.h, drawing through the paint library.
#include "ui/windowless/buttons_win.h"

#include "ui/windowless/manager_win.h"
#include "ui/windowless/paint_rules.h"

namespace dravolt::windowless {

ButtonInput CButtonUI::InputFor(const TEventUI& event) const
{
    return {event.type, PtInRect(&position_, event.mouse) != FALSE, false, enabled_, visible_, false};
}

void CButtonUI::HandleEvent(const TEventUI& event)
{
    const ButtonOutcome out = HandleButtonEvent(state_, InputFor(event));
    const bool changed = !(out.state == state_);
    state_ = out.state;
    if (out.arrowClick && manager_)
        manager_->SendNotify(L"arrowclick", this);
    if (out.click)
        Trigger();
    if (out.handCursor)
        ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
    if (changed || out.arrowClick)
        Repaint();
    if (out.passOn)
        CLabelUI::HandleEvent(event);
}

bool CButtonUI::Trigger()
{
    if (!enabled_ || !visible_)
        return false;
    if (manager_)
        manager_->SendNotify(L"click", this);
    return true;
}

void CButtonUI::RefreshStateBits()
{
    state_.bits = focused_ ? (state_.bits | state::kFocused) : (state_.bits & ~state::kFocused);
    state_.bits = enabled_ ? (state_.bits & ~state::kDisabled) : (state_.bits | state::kDisabled);
}

void CButtonUI::PaintStateImage(HDC dc)
{
    RefreshStateBits();
    std::wstring* picked = nullptr;
    if (state_.bits & state::kDisabled)
        picked = &disabledImage;
    else if (state_.bits & state::kPushed)
        picked = &pushedImage;
    else if (state_.bits & state::kHot)
        picked = &hotImage;
    else if (state_.bits & state::kFocused)
        picked = &focusedImage;
    if (picked && DrawImage(dc, *picked))
        return;
    DrawImage(dc, normalImage);
}

void CImageTextButtonUI::PaintBackgroundColour(HDC dc)
{
    RefreshStateBits();
    if (state_.bits & state::kDisabled) {
        if (disabledColour)
            CRenderEngine::DrawColor(dc, position_, disabledColour);
        return;
    }
    if (state_.bits & state::kHot) {
        CRenderEngine::DrawColor(dc, position_, hotColour);
        CRenderEngine::DrawRect(dc, position_, borderSize, kFrameColour);
    }
    if (state_.bits & state::kPushed) {
        CRenderEngine::DrawColor(dc, position_, pushedColour);
        CRenderEngine::DrawRect(dc, position_, borderSize, kFrameColour);
    }
}

void CImageTextButtonUI::PaintBackgroundImage(HDC dc)
{
    if (backgroundImage.empty())
        return;
    const TImageInfo* image = thePaintManager.GetImage(backgroundImage.c_str());
    if (!image) {
        backgroundImage.clear();  // never asked for again
        return;
    }
    const IconPlacement p = PlaceIcon(position_.right - position_.left, position_.bottom - position_.top,
                                      {inset.left, inset.top, inset.right, inset.bottom}, image->nX, image->nY,
                                      imageAlignment);
    CStdString modify;
    modify.Format(L"dest='%d,%d,%d,%d' source='%d,%d,%d,%d' fade='%d'", p.dest.left, p.dest.top, p.dest.right,
                  p.dest.bottom, p.source.left, p.source.top, p.source.right, p.source.bottom,
                  enabled_ ? 255 : 64);
    DrawImage(dc, backgroundImage, modify);
}

void CImageTextButtonWithDropDownArrow::PlaceAt(const RECT& rect)
{
    CImageTextButtonUI::PlaceAt(rect);
    arrow_ = {rect.right - kArrowWidth, rect.top, rect.right, rect.bottom};
}

ButtonInput CImageTextButtonWithDropDownArrow::InputFor(const TEventUI& event) const
{
    ButtonInput input = CImageTextButtonUI::InputFor(event);
    input.hasArrow = true;
    input.inArrow = PtInRect(&arrow_, event.mouse) != FALSE;
    return input;
}

void CImageTextButtonWithDropDownArrow::PaintBackgroundColour(HDC dc)
{
    CImageTextButtonUI::PaintBackgroundColour(dc);
    if (state_.bits & state::kDisabled)
        return;
    if (state_.bits & state::kPushed) {
        CRenderEngine::DrawColor(dc, arrow_, hotColour);
        CRenderEngine::DrawRect(dc, arrow_, borderSize, kFrameColour);
    } else if (state_.bits & state::kHot) {
        CRenderEngine::DrawRect(dc, arrow_, borderSize, kFrameColour);
    }
}

void CImageTextButtonWithDropDownArrow::PaintBackgroundImage(HDC dc)
{
    CImageTextButtonUI::PaintBackgroundImage(dc);
    if (state_.bits & (state::kHot | state::kPushed))
        CRenderEngine::DrawImageString(dc, &thePaintManager, arrow_, paint_, L"dropdown_arrow.png");
}

}  // namespace dravolt::windowless
