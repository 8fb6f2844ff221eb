// Scroll arithmetic of the scrollable panel as plain values: which bars
// show, where a scroll bar request moves, and which way the wheel turns.
#pragma once

#include <cstdint>

namespace dravolt::controls {

// What a derived panel reports about its content, in pixels.
struct ScrollMetrics {
    int contentWidth = 0, contentHeight = 0;
    int pageWidth = 0, pageHeight = 0;
    int lineWidth = 0, lineHeight = 0;
};

// One axis of the metrics.
struct ScrollAxis {
    int content = 0, page = 0, line = 0;
};
inline ScrollAxis Horizontal(const ScrollMetrics& m) { return {m.contentWidth, m.pageWidth, m.lineWidth}; }
inline ScrollAxis Vertical(const ScrollMetrics& m) { return {m.contentHeight, m.pageHeight, m.lineHeight}; }

// A bar shows only when the content is larger than the client area.
inline bool BarShown(int content, int client) { return content > client; }

// Scroll bar request codes, with the values of the system header.
namespace sb {
inline constexpr int kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4;
inline constexpr int kThumbTrack = 5, kTop = 6, kBottom = 7, kEndScroll = 8;
}  // namespace sb

// The position a WM_HSCROLL/WM_VSCROLL request asks for, from the current
// position and the thumb's track position; the system keeps it in range.
int ScrolledPosition(int code, int position, int trackPosition, const ScrollAxis& axis);

// The vertical position after one wheel message: one line up for any
// positive delta, one line down for any negative one (fine-grained wheels
// and touchpads send less than 120 a message), unchanged for 0.
int WheelPosition(int position, int lineHeight, int wheelDirection);

}  // namespace dravolt::controls
