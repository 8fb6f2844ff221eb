// Drawing of images and colours into a device context.
#include "brennix/brennix.h"
#include "brennix/draw_geometry.h"
#include "brennix/gdi_handles_win.h"
#include "brennix/modify_string.h"

using namespace dravolt::brennix;

namespace {

RECT ToRect(const IntRect& r) { return {r.left, r.top, r.right, r.bottom}; }
IntRect ToIntRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void BlitImage(HDC hDC, const TImageInfo& image, const ImagePlacement& place)
{
    UniqueMemoryDc source(hDC);
    ScopedSelect select(source.Get(), image.hBitmap);
    const IntRect& d = place.dest;
    const IntRect& s = place.source;
    if (!image.alphaChannel && place.fade == 255) {
        SetStretchBltMode(hDC, COLORONCOLOR);
        StretchBlt(hDC, d.left, d.top, d.Width(), d.Height(), source.Get(), s.left, s.top, s.Width(), s.Height(),
                   SRCCOPY);
        return;
    }
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(place.fade),
                              static_cast<BYTE>(image.alphaChannel ? AC_SRC_ALPHA : 0)};
    AlphaBlend(hDC, d.left, d.top, d.Width(), d.Height(), source.Get(), s.left, s.top, s.Width(), s.Height(), blend);
}

}  // namespace

COLORREF CRenderEngine::DUIColor2RGB(DWORD colour) { return ArgbToColorRef(colour); }

bool CRenderEngine::DrawImageString(HDC hDC, CPaintManager* pManager, const RECT& rcItem, const RECT& rcPaint,
                                    LPCWSTR pStrImage, LPCWSTR pStrModify)
{
    CPaintManager& manager = pManager ? *pManager : thePaintManager;
    const TImageInfo* image = manager.GetImage(pStrImage);
    if (!image)
        return false;
    // A malformed description is the caller's slip, not a missing image:
    // nothing is drawn, but the name stays usable.
    const auto modify = ParseImageModify(pStrModify ? pStrModify : L"");
    if (!modify)
        return true;
    const auto place = PlaceImage(ToIntRect(rcItem), image->nX, image->nY, *modify);
    if (!place || place->fade == 0)
        return true;
    ScopedDcState state(hDC);
    IntersectClipRect(hDC, rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.bottom);
    BlitImage(hDC, *image, *place);
    return true;
}

void CRenderEngine::DrawColor(HDC hDC, const RECT& rc, DWORD colour)
{
    const BYTE alpha = static_cast<BYTE>(colour >> 24);
    if (alpha == 0 || IsRectEmpty(&rc))
        return;
    if (alpha == 255) {
        // ExtTextOut with an opaque rectangle fills without making a brush.
        SetBkColor(hDC, ArgbToColorRef(colour));
        ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        return;
    }
    // Translucent colours: one premultiplied pixel stretched over rc.
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 1, 1, 32, BI_RGB};
    void* bits = nullptr;
    UniqueBitmap pixel(CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!pixel || !bits)
        return;
    auto premultiply = [alpha](DWORD c) { return static_cast<BYTE>((c & 0xFF) * alpha / 255); };
    static_cast<BYTE*>(bits)[0] = premultiply(colour);
    static_cast<BYTE*>(bits)[1] = premultiply(colour >> 8);
    static_cast<BYTE*>(bits)[2] = premultiply(colour >> 16);
    static_cast<BYTE*>(bits)[3] = alpha;
    UniqueMemoryDc source(hDC);
    ScopedSelect select(source.Get(), pixel.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, source.Get(), 0, 0, 1, 1, blend);
}

void CRenderEngine::DrawGradient(HDC hDC, const RECT& rc, DWORD first, DWORD second, bool vertical, int steps)
{
    for (const ColorBand& band : GradientBands(ToIntRect(rc), first, second, vertical, steps))
        DrawColor(hDC, ToRect(band.rect), band.argb | 0xFF000000);
}

void CRenderEngine::DrawRect(HDC hDC, const RECT& rc, int width, DWORD colour)
{
    if (width <= 0)
        return;
    UniquePen pen(CreatePen(PS_SOLID | PS_INSIDEFRAME, width, ArgbToColorRef(colour)));
    ScopedSelect selectPen(hDC, pen.Get());
    ScopedSelect selectBrush(hDC, GetStockObject(HOLLOW_BRUSH));
    Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
}

void CRenderEngine::DrawLine(HDC hDC, const RECT& rc, int width, DWORD colour)
{
    UniquePen pen(CreatePen(PS_SOLID, width, ArgbToColorRef(colour)));
    ScopedSelect select(hDC, pen.Get());
    MoveToEx(hDC, rc.left, rc.top, nullptr);
    LineTo(hDC, rc.right, rc.bottom);
}

void CRenderEngine::DrawDotRect(HDC hDC, const RECT& rc, DWORD colour)
{
    UniquePen pen(CreatePen(PS_DOT, 1, ArgbToColorRef(colour)));
    ScopedSelect selectPen(hDC, pen.Get());
    ScopedSelect selectBrush(hDC, GetStockObject(HOLLOW_BRUSH));
    Rectangle(hDC, rc.left, rc.top, rc.right, rc.bottom);
}
