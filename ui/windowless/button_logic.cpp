// The windowless button state machine of button_logic.h.
#include "ui/windowless/button_logic.h"

namespace dravolt::windowless {

namespace {

void Set(unsigned& bits, unsigned bit, bool on)
{
    bits = on ? (bits | bit) : (bits & ~bit);
}

ButtonOutcome PlainButton(const ButtonState& before, const ButtonInput& in)
{
    ButtonOutcome out{before};
    unsigned& bits = out.state.bits;
    const bool captured = (bits & state::kCaptured) != 0;
    switch (in.event) {
    case event::kSetFocus:
    case event::kKillFocus:
        Set(bits, state::kFocused, in.event == event::kSetFocus);
        out.passOn = true;
        break;
    case event::kMouseEnter:
    case event::kMouseHover:
    case event::kMouseLeave:
        if (in.enabled)
            Set(bits, state::kHot, in.event != event::kMouseLeave);
        break;
    case event::kButtonDown:
    case event::kDoubleClick:
        if (in.inPosition && in.enabled)
            bits |= state::kCaptured | state::kPushed;
        break;
    case event::kMouseMove:
        if (captured)
            Set(bits, state::kPushed, in.inPosition);
        break;
    case event::kButtonUp:
        if (captured) {
            out.click = in.inPosition && !before.arrowPressed && in.enabled && in.visible;
            bits &= ~(state::kCaptured | state::kPushed);
        }
        break;
    case event::kSetCursor:
        out.handCursor = true;
        break;
    default:
        out.passOn = true;
    }
    return out;
}

}  // namespace

ButtonOutcome HandleButtonEvent(const ButtonState& before, const ButtonInput& in)
{
    if (!in.hasArrow)
        return PlainButton(before, in);
    ButtonState state = before;
    const bool press = in.event == event::kButtonDown || in.event == event::kDoubleClick;
    if (press) {
        state.arrowPressed = in.inArrow && in.enabled;
        if (state.arrowPressed) {
            // The arrow reports at once and neither captures nor pushes.
            ButtonOutcome out{state};
            out.arrowClick = in.visible;
            out.passOn = true;
            return out;
        }
    }
    if (in.event == event::kMouseLeave)
        state.arrowPressed = false;
    return PlainButton(state, in);
}

}  // namespace dravolt::windowless
