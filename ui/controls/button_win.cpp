// The push buttons of button_win.h.
#include "ui/controls/button_win.h"

#include "ui/controls/control_rules.h"

namespace dravolt::controls {

void CButtonBase::AfterAttach()
{
    CControl::AfterAttach();
    // Owner drawn: the system button keeps its keyboard handling but never paints.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
}

bool CButtonBase::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DRAWITEM) {
        // The system button asks to be drawn when its state changes; we paint ourselves.
        Invalidate(false);
        result = TRUE;
        return true;
    }
    return CControl::OnReflected(message, wParam, lParam, result);
}

LRESULT CButtonBase::OnLButtonUp(WPARAM wParam, LPARAM lParam)
{
    ReleaseCapture();
    CControl::OnLButtonUp(wParam, lParam);
    Invalidate();
    return 0;
}

LRESULT CButtonBase::OnLButtonDblClk(WPARAM wParam, LPARAM lParam)
{
    // A double click counts as a second press.
    if (!disabled_)
        SendMessageW(Handle(), WM_LBUTTONDOWN, wParam, lParam);
    return 0;
}

LRESULT CButtonBase::OnLButtonDown(WPARAM wParam, LPARAM lParam)
{
    SetCapture(Handle());
    SetFocus(Handle());
    SetCapture(Handle());  // taking the focus may have moved the capture
    pressed_ = GetCapture() == Handle();
    PassToDefault(WM_LBUTTONDOWN, wParam, lParam);
    Invalidate();
    return 0;
}

LRESULT CButtonBase::OnSetFocus(WPARAM wParam, LPARAM lParam)
{
    CControl::OnSetFocus(wParam, lParam);
    Invalidate();
    return 0;
}

LRESULT CButtonBase::OnKillFocus(WPARAM wParam, LPARAM lParam)
{
    CControl::OnKillFocus(wParam, lParam);
    Invalidate();
    return 0;
}

LRESULT CButtonBase::OnMouseHover(WPARAM wParam, LPARAM lParam)
{
    CControl::OnMouseHover(wParam, lParam);
    Invalidate();
    return 0;
}

LRESULT CButtonBase::OnMouseLeave(WPARAM wParam, LPARAM lParam)
{
    CControl::OnMouseLeave(wParam, lParam);
    Invalidate();
    return 0;
}

LRESULT CButtonBase::OnMouseMove(WPARAM wParam, LPARAM lParam)
{
    CControl::OnMouseMove(wParam, lParam);
    Invalidate();
    return 0;
}

CImageButton::CImageButton()
{
    backgroundImage_ = L"button_normal.png";
    textStyle_ = text_style::kCentre | text_style::kMiddle;
}

void CImageButton::SetPictures(LPCWSTR normal, LPCWSTR hover, LPCWSTR pushed, LPCWSTR disabled)
{
    backgroundImage_ = normal;
    hoverImage_ = hover;
    pushedImage_ = pushed;
    disabledImage_ = disabled;
    Invalidate();
}

CStdString& CImageButton::PictureName()
{
    switch (PictureFor(disabled_, pressed_, hover_)) {
    case ButtonPicture::Disabled: return disabledImage_;
    case ButtonPicture::Pushed: return pushedImage_;
    case ButtonPicture::Hover: return hoverImage_;
    case ButtonPicture::Normal: break;
    }
    return backgroundImage_;
}

const CStdString& CImageButton::CurrentPicture() const
{
    return const_cast<CImageButton*>(this)->PictureName();
}

void CImageButton::DrawForeground(HDC dc)
{
    DrawSkinImage(dc, PictureName());
    if (focused_ && !disabled_) {
        RECT frame = client_;
        InflateRect(&frame, -2, -2);
        ::DrawFocusRect(dc, &frame);
    }
}

LRESULT CImageButton::OnKeyDown(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefaultProc(WM_KEYDOWN, wParam, lParam);
    if (wParam == VK_SPACE)
        RedrawNow();
    return result;
}

LRESULT CImageButton::OnKeyUp(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefaultProc(WM_KEYUP, wParam, lParam);
    if (wParam == VK_SPACE)
        RedrawNow();
    return result;
}

}  // namespace dravolt::controls
