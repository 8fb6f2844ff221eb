// CControl's painting pass, its five layers and the properties that
// redraw it when they change.
#include "ui/controls/control_win.h"

#include <uxtheme.h>

#include "framework/handles_win.h"
#include "ui/controls/control_rules.h"
#include "ui/controls/double_buffer_dc_win.h"

namespace dravolt::controls {

namespace {

static_assert(dt::kCenter == DT_CENTER && dt::kRight == DT_RIGHT && dt::kVCenter == DT_VCENTER &&
              dt::kBottom == DT_BOTTOM && dt::kWordBreak == DT_WORDBREAK && dt::kSingleLine == DT_SINGLELINE &&
              dt::kEndEllipsis == DT_END_ELLIPSIS);

using DrawParentBackgroundFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);

// The theme library is looked up once per process; it stays loaded.
DrawParentBackgroundFn ThemeParentBackground()
{
    static const DrawParentBackgroundFn function = [] {
        const HMODULE theme = LoadLibraryW(L"UxTheme.dll");
        return theme ? reinterpret_cast<DrawParentBackgroundFn>(
                           reinterpret_cast<void*>(GetProcAddress(theme, "DrawThemeParentBackground")))
                     : nullptr;
    }();
    return function;
}

template <typename T>
bool Change(T& member, const T& value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

}  // namespace

LRESULT CControl::OnPaint(WPARAM, LPARAM)
{
    RefreshClientRect();
    PaintContext paint(Handle());
    CDoubleBufferDC buffer(client_, paint.Get(), true);
    if (buffer.IsValid())
        DrawAll(buffer.Get());
    return 0;
}

void CControl::DrawAll(HDC dc)
{
    DrawBackground(dc);
    DrawBackgroundImage(dc);
    DrawForeground(dc);
    DrawBorder(dc);
    DrawCaption(dc);
}

void CControl::PaintParentBackground(HDC dc)
{
    const HWND parent = GetParent(Handle());
    ScopedSaveDC saved(dc);
    IntersectClipRect(dc, client_.left, client_.top, client_.right, client_.bottom);
    const DrawParentBackgroundFn themed = ThemeParentBackground();
    if (themed && themed(Handle(), dc, &client_) == S_OK)
        return;
    // By hand: the parent prints itself with its origin moved to our corner.
    POINT corner{0, 0};
    MapWindowPoints(Handle(), parent, &corner, 1);
    POINT origin{};
    OffsetWindowOrgEx(dc, corner.x, corner.y, &origin);
    SendMessageW(parent, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CHECKVISIBLE | PRF_CLIENT | PRF_ERASEBKGND);
    SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
}

void CControl::DrawBackground(HDC dc)
{
    if (parentBackground_ && GetParent(Handle()))
        PaintParentBackground(dc);
    if (!backgroundColour_)
        return;
    if (secondBackgroundColour_)
        CRenderEngine::DrawGradient(dc, client_, backgroundColour_, secondBackgroundColour_, verticalGradient_, 16);
    else
        CRenderEngine::DrawColor(dc, client_, backgroundColour_);
}

bool CControl::DrawSkinImage(HDC dc, CStdString& name)
{
    if (name.IsEmpty())
        return false;
    if (CRenderEngine::DrawImageString(dc, &thePaintManager, client_, client_, name))
        return true;
    name.Empty();
    return false;
}

void CControl::DrawBackgroundImage(HDC dc)
{
    DrawSkinImage(dc, backgroundImage_);
}

void CControl::DrawBorder(HDC dc)
{
    if (!borderColour_ || !borderWidth_)
        return;
    if (borderSides_ == kAllSides) {
        CRenderEngine::DrawRect(dc, client_, borderWidth_, borderColour_);
        return;
    }
    const IntRect client{client_.left, client_.top, client_.right, client_.bottom};
    // LineTo leaves out the end point, so the line covers exactly the edge.
    if (const auto line = BorderLine(client, borderSides_))
        CRenderEngine::DrawLine(dc, {line->left, line->top, line->right, line->bottom}, borderWidth_, borderColour_);
}

void CControl::DrawCaption(HDC dc)
{
    if (text_.IsEmpty() || !textColour_)
        return;
    RECT r{client_.left + textPadding_.left, client_.top + textPadding_.top, client_.right - textPadding_.right,
           client_.bottom - textPadding_.bottom};
    const std::uint32_t colour = disabled_ ? kDisabledTextColour : textColour_;
    CRenderEngine::DrawTextW(dc, &thePaintManager, r, text_, colour, font_, ControlTextFlags(textStyle_));
}

void CControl::SetControlText(LPCWSTR text)
{
    const CStdString value(text);
    if (Change(text_, value))
        Invalidate();
}

void CControl::SetBackgroundImage(LPCWSTR name)
{
    const CStdString value(name);
    if (Change(backgroundImage_, value))
        Invalidate();
}

void CControl::SetBackgroundColours(std::uint32_t first, std::uint32_t second, bool vertical)
{
    const bool changed = Change(backgroundColour_, first) | Change(secondBackgroundColour_, second) |
                         Change(verticalGradient_, vertical);
    if (changed)
        Invalidate();
}

void CControl::SetBorder(std::uint32_t colour, int width, unsigned sides)
{
    if (Change(borderColour_, colour) | Change(borderWidth_, width) | Change(borderSides_, sides))
        Invalidate();
}

void CControl::SetTextStyle(unsigned style)
{
    if (Change(textStyle_, style))
        Invalidate();
}

void CControl::SetTextPadding(const RECT& padding)
{
    if (!EqualRect(&textPadding_, &padding)) {
        textPadding_ = padding;
        Invalidate();
    }
}

void CControl::SetTextColour(std::uint32_t colour)
{
    if (Change(textColour_, colour))
        Invalidate();
}

void CControl::SetFont(int font)
{
    if (Change(font_, font))
        Invalidate();
}

void CControl::SetParentBackground(bool paintParent)
{
    if (Change(parentBackground_, paintParent))
        Invalidate();
}

}  // namespace dravolt::controls
