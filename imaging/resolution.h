// Conversions between the resolution units of the file formats and the
// dots per inch the image keeps.
#pragma once

#include <cmath>
#include <optional>

namespace dravolt::imaging {

struct Dpi {
    int x = 96;
    int y = 96;
};

// Values from files are untrusted: anything outside 1..100000 dpi is
// treated as absent (0).
inline int DotsPerInch(double perUnit, double unitsPerInch) {
    const double dpi = perUnit * unitsPerInch;
    if (!(dpi >= 0.5 && dpi <= 100000.0)) return 0;
    return static_cast<int>(std::lround(dpi));
}

// JFIF density: unit 1 = per inch, 2 = per centimetre, 0 = aspect ratio only.
inline std::optional<Dpi> DpiFromDensity(int unit, unsigned x, unsigned y) {
    const double perInch = unit == 1 ? 1.0 : unit == 2 ? 2.54 : 0.0;
    const Dpi dpi{DotsPerInch(x, perInch), DotsPerInch(y, perInch)};
    if (dpi.x <= 0 || dpi.y <= 0) return std::nullopt;
    return dpi;
}

// PNG pHYs and BMP headers count pixels per metre.
inline std::optional<Dpi> DpiFromPerMetre(double x, double y) {
    const int dx = DotsPerInch(x, 0.0254);
    const int dy = DotsPerInch(y, 0.0254);
    if (dx <= 0 || dy <= 0) return std::nullopt;
    return Dpi{dx, dy};
}

inline long PerMetreFromDpi(int dpi) { return std::lround(dpi / 0.0254); }

}  // namespace dravolt::imaging
