// Event sequences of the windowless buttons: what is pushed, hot or
// captured after each event, and when a click or an arrow click results.
#include <gtest/gtest.h>

#include <vector>

#include "ui/windowless/button_logic.h"

namespace dravolt::windowless {
namespace {

struct Step {
    int event;
    bool inside = true;
    bool inArrow = false;
};

struct Outcome {
    ButtonState state;
    int clicks = 0, arrowClicks = 0;
};

Outcome Play(const std::vector<Step>& steps, bool enabled = true, bool hasArrow = false)
{
    Outcome run;
    for (const Step& s : steps) {
        const ButtonOutcome out =
            HandleButtonEvent(run.state, {s.event, s.inside, s.inArrow, enabled, true, hasArrow});
        run.state = out.state;
        run.clicks += out.click;
        run.arrowClicks += out.arrowClick;
    }
    return run;
}

using namespace event;

TEST(ButtonLogic, PressAndReleaseInsideClicksOnce)
{
    const Outcome run = Play({{kMouseEnter}, {kButtonDown}, {kMouseMove}, {kButtonUp}});
    EXPECT_EQ(run.clicks, 1);
    EXPECT_EQ(run.state.bits, state::kHot) << "still hot, no longer pushed or captured";
}

TEST(ButtonLogic, PushedLookFollowsTheMouseAndReleaseOutsideGivesNoClick)
{
    ButtonState s = Play({{kButtonDown}}).state;
    EXPECT_EQ(s.bits, state::kPushed | state::kCaptured);
    s = HandleButtonEvent(s, {kMouseMove, false}).state;
    EXPECT_EQ(s.bits, state::kCaptured) << "dragged out: not pushed";
    s = HandleButtonEvent(s, {kMouseMove, true}).state;
    EXPECT_EQ(s.bits, state::kPushed | state::kCaptured) << "dragged back in";

    const Outcome run = Play({{kButtonDown}, {kMouseMove, false}, {kButtonUp, false}});
    EXPECT_EQ(run.clicks, 0);
    EXPECT_EQ(run.state.bits, 0u);
}

TEST(ButtonLogic, DisabledButtonNeverLooksHotOrPushedNorClicks)
{
    const Outcome run = Play({{kMouseEnter}, {kMouseHover}, {kButtonDown}, {kButtonUp}}, false);
    EXPECT_EQ(run.clicks, 0);
    EXPECT_EQ(run.state.bits, 0u);
    EXPECT_EQ(Play({{kButtonDown, true, true}, {kButtonUp, true, true}}, false, true).arrowClicks, 0);
}

TEST(ButtonLogic, ReleaseWithoutPressAndDoubleClicks)
{
    EXPECT_EQ(Play({{kButtonUp}}).clicks, 0) << "a release it never captured";
    EXPECT_EQ(Play({{kButtonDown}, {kButtonUp}, {kDoubleClick}, {kButtonUp}}).clicks, 2);
}

TEST(ButtonLogic, ArrowPressReportsTheArrowAndNoClick)
{
    Outcome run = Play({{kButtonDown, true, true}, {kButtonUp, true, true}}, true, true);
    EXPECT_EQ(run.arrowClicks, 1);
    EXPECT_EQ(run.clicks, 0);
    EXPECT_FALSE(run.state.bits & state::kPushed) << "the arrow neither captures nor pushes";

    run = Play({{kButtonDown, true, true}, {kButtonUp}, {kButtonDown}, {kButtonUp}}, true, true);
    EXPECT_EQ(run.arrowClicks, 1);
    EXPECT_EQ(run.clicks, 1) << "a press on the body clicks";
    EXPECT_FALSE(run.state.arrowPressed);
}

TEST(ButtonLogic, FocusAndOtherEventsGoOnToTheBase)
{
    ButtonOutcome out = HandleButtonEvent({}, {kSetFocus});
    EXPECT_EQ(out.state.bits, state::kFocused);
    EXPECT_TRUE(out.passOn);
    out = HandleButtonEvent(out.state, {kKillFocus});
    EXPECT_EQ(out.state.bits, 0u);
    EXPECT_TRUE(HandleButtonEvent({}, {kTimer}).passOn);
    EXPECT_TRUE(HandleButtonEvent({}, {kSetCursor}).handCursor);
    EXPECT_FALSE(HandleButtonEvent({}, {kButtonDown}).passOn);
}

}  // namespace
}  // namespace dravolt::windowless
