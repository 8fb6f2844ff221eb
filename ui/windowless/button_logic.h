// The state machine of the windowless buttons: how press, move, release,
// enter and leave events change the state bits and when a button reports a
// click or, for the drop-down arrow button, an arrow click.
#pragma once

namespace dravolt::windowless {

// Control event codes the manager delivers.
namespace event {
inline constexpr int kMouseMove = 1, kMouseLeave = 2, kMouseEnter = 3, kMouseHover = 4;
inline constexpr int kKeyDown = 5, kKeyUp = 6, kChar = 7, kKillFocus = 9, kSetFocus = 10;
inline constexpr int kButtonDown = 11, kButtonUp = 12, kDoubleClick = 13, kScroll = 15;
inline constexpr int kScrollWheel = 17, kWindowSize = 18, kSetCursor = 19, kTimer = 22;
}  // namespace event

// Button state bits.
namespace state {
inline constexpr unsigned kFocused = 0x1, kDisabled = 0x4, kHot = 0x8, kPushed = 0x10, kCaptured = 0x40;
}  // namespace state

struct ButtonState {
    unsigned bits = 0;
    bool arrowPressed = false;  // the last press went to the drop-down arrow
    friend bool operator==(const ButtonState&, const ButtonState&) = default;
};

struct ButtonInput {
    int event = 0;
    bool inPosition = false;  // the event's point lies in the button
    bool inArrow = false;     // ... in its drop-down arrow (arrow buttons only)
    bool enabled = true;
    bool visible = true;
    bool hasArrow = false;
};

struct ButtonOutcome {
    ButtonState state;
    bool click = false;
    bool arrowClick = false;
    bool handCursor = false;
    bool passOn = false;  // the event goes on to the base control's handling
};

ButtonOutcome HandleButtonEvent(const ButtonState& before, const ButtonInput& input);

}  // namespace dravolt::windowless
