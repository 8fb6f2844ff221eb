// Rotation by any angle: quarter turns for exact right angles, otherwise
// bilinear interpolation onto an enlarged canvas.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

#include "imaging/color_ops.h"
#include "imaging/geometry_ops.h"

namespace dravolt::imaging {

namespace {

bool IsGreyColor(Rgba c) { return c.r == c.g && c.g == c.b; }

// Right angles are detected with a tolerance so that values such as 90.0
// computed from a slider still turn losslessly.
std::optional<int> QuarterTurns(double degrees) {
    const double turns = degrees / 90.0;
    const double nearest = std::round(turns);
    if (std::abs(turns - nearest) > 1e-9) return std::nullopt;
    return static_cast<int>((static_cast<long long>(nearest) % 4 + 4) % 4);
}

// Colour at a pixel as B, G, R, A, with everything outside the source
// taking the background colour.
struct Sampler {
    const Image& source;
    Rgba background;

    std::array<double, 4> At(int x, int y) const {
        Rgba c = background;
        if (x >= 0 && y >= 0 && x < source.Width() && y < source.Height()) c = source.ColorAt(x, y);
        return {static_cast<double>(c.b), static_cast<double>(c.g), static_cast<double>(c.r),
                static_cast<double>(c.a)};
    }

    std::array<double, 4> Bilinear(double fx, double fy) const {
        const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
        const double ax = fx - x0, ay = fy - y0;
        const auto p00 = At(x0, y0), p10 = At(x0 + 1, y0), p01 = At(x0, y0 + 1), p11 = At(x0 + 1, y0 + 1);
        std::array<double, 4> mixed{};
        for (std::size_t i = 0; i < 4; ++i)
            mixed[i] = (p00[i] * (1 - ax) + p10[i] * ax) * (1 - ay) + (p01[i] * (1 - ax) + p11[i] * ax) * ay;
        return mixed;
    }
};

int CanvasSide(double a, double b) { return std::max(1, static_cast<int>(std::ceil(a + b - 1e-6))); }

std::uint8_t Round255(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

bool RotateFree(Image& image, double degrees, Rgba background) {
    if (!image.IsValid() || !(std::abs(degrees) <= 360.0)) return false;
    if (const auto turns = QuarterTurns(degrees)) {
        Image turned = image;
        for (int i = 0; i < *turns; ++i)
            if (!RotateRight(turned)) return false;
        image = std::move(turned);
        return true;
    }
    // Grey pages on a grey background stay grey; everything else is
    // interpolated in colour.
    Image source = image;
    const bool grey = source.IsGray() && IsGreyColor(background);
    if (!grey && !IncreaseBpp24(source)) return false;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    const double w = source.Width(), h = source.Height();
    Image turned = Image::Create(CanvasSide(std::abs(w * c), std::abs(h * s)),
                                 CanvasSide(std::abs(w * s), std::abs(h * c)), source.Bpp());
    if (!turned.IsValid()) return false;
    turned.CopySettingsFrom(source);
    const Sampler sampler{source, background};
    const double centreX = turned.Width() / 2.0, centreY = turned.Height() / 2.0;
    for (int y = 0; y < turned.Height(); ++y)
        for (int x = 0; x < turned.Width(); ++x) {
            // Back from the turned canvas into the source (rows grow downwards,
            // so this inverse matrix belongs to a clockwise turn on screen).
            const double dx = x + 0.5 - centreX, dy = y + 0.5 - centreY;
            const double sx = c * dx + s * dy + w / 2.0, sy = -s * dx + c * dy + h / 2.0;
            const auto v = sampler.Bilinear(sx - 0.5, sy - 0.5);
            if (grey)
                turned.SetRaw(x, y, Round255(v[0]));
            else
                turned.SetRaw(x, y, PackBgra({Round255(v[2]), Round255(v[1]), Round255(v[0]), Round255(v[3])}));
        }
    image = std::move(turned);
    return true;
}

}  // namespace dravolt::imaging
