// The arithmetic follows the publish worker's established rules exactly
// (float margins in points, truncation toward zero, a strict fit test), so
// that pages keep the sizes and positions users already get.
#include "pdf/page_geometry.h"

#include <algorithm>
#include <cmath>

namespace dravolt {
namespace {

struct MarginsPt {
    float left = 0, top = 0, right = 0, bottom = 0;
};

MarginsPt ToPoints(const PageSetup& s)
{
    return {MillimetresToPoints(s.leftMm), MillimetresToPoints(s.topMm),
            MillimetresToPoints(s.rightMm), MillimetresToPoints(s.bottomMm)};
}

double WholePoints(float mm)
{
    return std::trunc(static_cast<long double>(mm) * 72.0L / 25.4L);
}

std::optional<PagePlacement> ImageSizePage(const MarginsPt& m, int iw, int ih)
{
    PagePlacement p;
    p.pageWidth = std::trunc((m.left + m.right) + static_cast<float>(iw));
    p.pageHeight = std::trunc((m.top + m.bottom) + static_cast<float>(ih));
    if (p.pageWidth <= 0 || p.pageHeight <= 0) return std::nullopt;
    p.x = std::trunc(m.left);
    p.y = std::trunc(static_cast<float>(ih) + m.top);
    p.width = iw;
    p.height = ih;
    return p;
}

// Fixed page of P × Q points; nothing when the margins leave no usable area.
std::optional<PagePlacement> FixedPage(float P, float Q, const MarginsPt& m, int iw, int ih)
{
    const double availW = std::trunc(P - (m.right + m.left));
    const double availH = std::trunc(Q - (m.bottom + m.top));
    if (availW <= 0 || availH <= 0) return std::nullopt;

    PagePlacement p{P, Q, 0, 0, static_cast<double>(iw), static_cast<double>(ih)};
    const float needW = static_cast<float>(iw) + m.left + m.right;
    const float needH = static_cast<float>(ih) + m.top + m.bottom;
    if (P > needW && Q > needH) {  // fits at natural size: centre it
        p.x = std::trunc(m.left + (P - needW) * 0.5);
        p.y = std::trunc(m.top + availH - (Q - needH) * 0.5);
        return p;
    }
    const double sx = availW / iw;
    const double sy = availH / ih;
    double s = sx, x0 = 0, y0 = 0;
    if (sy < sx) {
        s = sy;
        x0 = std::trunc((availW - iw * s) / 2);
    } else {
        y0 = std::trunc((availH - ih * s) / 2);
    }
    p.width = std::trunc(iw * s + 0.5);
    p.height = std::trunc(ih * s + 0.5);
    p.x = std::trunc(m.left + x0);
    p.y = std::trunc(m.top + availH - y0);
    return p;
}

bool AllFinite(const PageSetup& s)
{
    for (float v : {s.pageWidthMm, s.pageHeightMm, s.leftMm, s.topMm, s.rightMm, s.bottomMm})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

float MillimetresToPoints(float mm)
{
    return static_cast<float>(static_cast<long double>(mm) * 72.0L / 25.4L);
}

std::optional<PagePlacement> LayOutPage(const PageSetup& setup, int iw, int ih)
{
    if (iw <= 0 || ih <= 0 || !AllFinite(setup)) return std::nullopt;
    const MarginsPt margins = ToPoints(setup);
    if (setup.pageWidthMm < 0) {
        auto page = ImageSizePage(margins, iw, ih);
        return page ? page : ImageSizePage({}, iw, ih);
    }
    const double a = WholePoints(setup.pageWidthMm);
    const double b = WholePoints(setup.pageHeightMm);
    const auto P = static_cast<float>(setup.portrait ? std::min(a, b) : std::max(a, b));
    const auto Q = static_cast<float>(setup.portrait ? std::max(a, b) : std::min(a, b));
    auto page = FixedPage(P, Q, margins, iw, ih);
    return page ? page : FixedPage(P, Q, {}, iw, ih);
}

}  // namespace dravolt
