// The page viewer's arithmetic as plain values: the zoom limits and steps,
// the fitted picture, which part of the picture a zoomed view shows, and how
// zooming and panning move the scroll position.
#pragma once

namespace dravolt::mainui {

inline constexpr float kMinimumZoom = 0.1f;
inline constexpr float kMaximumZoom = 15.0f;
inline constexpr float kZoomStep = 0.15f;

struct Extent {
    int width = 0, height = 0;
    bool operator==(const Extent&) const = default;
};
struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

float ClampZoom(float zoom);
// One Zoom In (+1) or Zoom Out (-1) step from `zoom`, within the limits.
float SteppedZoom(float zoom, int direction);
// The status-bar figure: the factor in percent, truncated.
int ZoomPercent(float zoom);

// Screen pixels per image pixel that make the whole picture fit the client;
// 0 for an empty picture or client.
float FitScale(Extent image, Extent client);
// The picture drawn at the fit scale, centred in the client.
Rect FittedPlacement(Extent image, Extent client);

// The scrollable size of the picture at `zoom`, truncated.
Extent ZoomedContent(Extent image, float zoom);

// What one paint of a zoomed view copies: `source` in image pixels onto
// `target` in client pixels. Where the client is larger than the zoomed
// picture the picture is centred; elsewhere the scrolled part fills it.
struct ViewCopy {
    Rect source, target;
    bool operator==(const ViewCopy&) const = default;
};
ViewCopy ZoomedPlacement(Extent image, float zoom, Extent client, Point scroll);

// The scroll position after a zoom change, nudged by half the growth so the
// view stays near where it was; the caller's scroll bars clamp it.
Point ZoomedScroll(Point scroll, Extent image, float oldZoom, float newZoom);
// The scroll position that makes the picture follow the mouse from `from`
// to `to`, limited to 0 .. content - client.
Point PannedScroll(Point scroll, Point from, Point to, Extent content, Extent client);

}  // namespace dravolt::mainui
