// How long a hint stays on the status bar and on the start-up balloon,
// measured in wrapping millisecond tick counts.
#pragma once

#include <cstdint>

namespace dravolt::mainui {

inline constexpr std::uint32_t kShortHold = 3000;
inline constexpr std::uint32_t kLongHold = 5000;
inline constexpr std::uint32_t kMinimumBalloonHold = 2000;

// Pane 0's text: kept while its hold time runs, "Ready" afterwards.
struct StatusHold {
    std::uint32_t start = 0;
    std::uint32_t hold = 0;  // 0: nothing is held, the idle pass shows "Ready"

    void Hold(std::uint32_t now, std::uint32_t milliseconds)
    {
        start = now;
        hold = milliseconds;
    }
    // One idle pass. An expired hold is cleared first and "Ready" follows on
    // the next pass; true when this pass shows "Ready".
    bool IdlePass(std::uint32_t now);
};

// The hint balloon is kept at least kMinimumBalloonHold.
std::uint32_t BalloonHold(std::uint32_t requested);
// Whether a balloon shown at `shown` for `hold` has outlived its time.
bool BalloonExpired(std::uint32_t shown, std::uint32_t hold, std::uint32_t now);

}  // namespace dravolt::mainui
