// Drawing and turning the aspect picture.
#include "pdf/static_aspect_win.h"

#include "brennix/brennix.h"

namespace dravolt {

void CStaticAspect::OnAttached()
{
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_OWNERDRAW);
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&rect), 2);
    place_ = {rect.left, rect.top, rect.right, rect.bottom};
    landscape_ = rect.right - rect.left > rect.bottom - rect.top;
}

void CStaticAspect::SetLandscape(bool landscape)
{
    if (AspectPictureMoves(landscape_, landscape) && Handle()) {
        const PictureRect r = AspectPictureRect(place_, landscape);
        MoveWindow(Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
    landscape_ = landscape;
}

bool CStaticAspect::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM)
        return false;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CStaticAspect::Draw(const DRAWITEMSTRUCT& item) const
{
    // The dialog face first, so nothing stale shows when the skin is missing.
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const wchar_t* image = landscape_ ? L"landscape.bmp" : L"portrait.bmp";
    // Without a destination the image is stretched over the whole control.
    CRenderEngine::DrawImageString(item.hDC, nullptr, item.rcItem, item.rcItem, image);
}

}  // namespace dravolt
