// Fit, zoom and panning arithmetic of viewer_geometry.h.
#include "ui/main/viewer_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace dravolt::mainui {

namespace {

int Rounded(double value) { return static_cast<int>(std::lround(value)); }

// One axis of a zoomed view: source start and length, target start and length.
struct AxisCopy {
    int sourceStart, sourceLength, targetStart, targetLength;
};

AxisCopy ZoomedAxis(int image, float zoom, int client, int scroll)
{
    const int zoomed = static_cast<int>(image * zoom);
    if (zoomed <= client)
        return {0, image, (client - zoomed) / 2, zoomed};
    // Never past the picture's far edge, even when the position is stale.
    const int length = std::min(image, Rounded(client / zoom));
    const int start = std::clamp(Rounded(scroll / zoom), 0, image - length);
    return {start, length, 0, client};
}

int Limited(int position, int content, int client) { return std::clamp(position, 0, std::max(0, content - client)); }

}  // namespace

float ClampZoom(float zoom)
{
    if (!(zoom >= kMinimumZoom))  // also catches NaN
        return kMinimumZoom;
    return std::min(zoom, kMaximumZoom);
}

float SteppedZoom(float zoom, int direction)
{
    return ClampZoom(zoom + (direction > 0 ? kZoomStep : -kZoomStep));
}

// In double, so a factor stored just under a step shows as such (114%, not 115%).
int ZoomPercent(float zoom) { return static_cast<int>(static_cast<double>(zoom) * 100.0); }

float FitScale(Extent image, Extent client)
{
    if (image.width <= 0 || image.height <= 0 || client.width <= 0 || client.height <= 0)
        return 0.0f;
    return std::min(static_cast<float>(client.height) / static_cast<float>(image.height),
                    static_cast<float>(client.width) / static_cast<float>(image.width));
}

Rect FittedPlacement(Extent image, Extent client)
{
    const float scale = FitScale(image, client);
    if (scale <= 0.0f)
        return {};
    const int width = std::min(client.width, Rounded(image.width * static_cast<double>(scale)));
    const int height = std::min(client.height, Rounded(image.height * static_cast<double>(scale)));
    return {(client.width - width) / 2, (client.height - height) / 2, width, height};
}

Extent ZoomedContent(Extent image, float zoom)
{
    return {static_cast<int>(image.width * zoom), static_cast<int>(image.height * zoom)};
}

ViewCopy ZoomedPlacement(Extent image, float zoom, Extent client, Point scroll)
{
    zoom = ClampZoom(zoom);
    const AxisCopy x = ZoomedAxis(image.width, zoom, client.width, scroll.x);
    const AxisCopy y = ZoomedAxis(image.height, zoom, client.height, scroll.y);
    return {{x.sourceStart, y.sourceStart, x.sourceLength, y.sourceLength},
            {x.targetStart, y.targetStart, x.targetLength, y.targetLength}};
}

Point ZoomedScroll(Point scroll, Extent image, float oldZoom, float newZoom)
{
    const float growth = newZoom - oldZoom;
    return {scroll.x + static_cast<int>(std::fabs(growth * image.width / 2.0f)),
            scroll.y + static_cast<int>(std::fabs(growth * image.height / 2.0f))};
}

Point PannedScroll(Point scroll, Point from, Point to, Extent content, Extent client)
{
    return {Limited(scroll.x + from.x - to.x, content.width, client.width),
            Limited(scroll.y + from.y - to.y, content.height, client.height)};
}

}  // namespace dravolt::mainui
