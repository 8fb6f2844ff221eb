// The panels and labels of panels_win.h.
#include "ui/controls/panels_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include "ui/controls/control_rules.h"

namespace dravolt::controls {

namespace {

void ShellOpen(const std::wstring& target)
{
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

CLinkLabel::Opener& CurrentOpener()
{
    static CLinkLabel::Opener opener = &ShellOpen;
    return opener;
}

RECT Padded(const RECT& r, const RECT& p)
{
    return {r.left + p.left, r.top + p.top, r.right - p.right, r.bottom - p.bottom};
}

}  // namespace

void CImagePanel::DrawBackgroundImage(HDC dc)
{
    if (imageMode_ == kStretched)
        DrawSkinImage(dc, backgroundImage_);
}

CLabelPanel::CLabelPanel()
{
    textStyle_ = text_style::kWrap | text_style::kMiddle;
    textPadding_ = {1, 1, 1, 1};
}

void CLabelPanel::DrawCaption(HDC dc)
{
    if (text_.IsEmpty() || !textColour_)
        return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled_ ? RGB(192, 192, 192) : CRenderEngine::DUIColor2RGB(textColour_));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    RECT r = Padded(client_, textPadding_);
    ::DrawTextW(dc, text_, -1, &r, LabelTextFlags(textStyle_));
    if (old)
        SelectObject(dc, old);
}

std::wstring CLinkLabel::ClickTarget() const
{
    return LinkTarget(text_.GetData(), link_);
}

std::uint32_t CLinkLabel::CurrentColour() const
{
    return LinkColour(hover_, disabled_);
}

void CLinkLabel::SetOpener(Opener opener)
{
    CurrentOpener() = opener ? opener : &ShellOpen;
}

void CLinkLabel::AfterAttach()
{
    CLabelPanel::AfterAttach();
    // A static control is transparent to the mouse without SS_NOTIFY, and the
    // label would never hear a click; the style is read at every hit test.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, style | SS_NOTIFY);
}

bool CLinkLabel::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        CurrentOpener()(ClickTarget());
        result = 0;
        return true;  // the parent never sees the label's click
    }
    return CLabelPanel::OnReflected(message, wParam, lParam, result);
}

LRESULT CLinkLabel::OnMouseHover(WPARAM, LPARAM lParam)
{
    TrackMouse(lParam);
    RedrawNow();
    return 0;
}

LRESULT CLinkLabel::OnMouseLeave(WPARAM, LPARAM)
{
    tracking_ = false;
    hover_ = false;
    Invalidate();
    return 0;
}

LRESULT CLinkLabel::OnSetCursor(WPARAM, LPARAM)
{
    ::SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
}

void CLinkLabel::DrawCaption(HDC dc)
{
    if (text_.IsEmpty() || !textColour_)
        return;
    RECT r = Padded(client_, textPadding_);
    CRenderEngine::DrawTextW(dc, &thePaintManager, r, text_, CurrentColour(), font_, ControlTextFlags(textStyle_));
}

}  // namespace dravolt::controls
