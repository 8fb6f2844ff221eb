// The hold times of status_hold.h. Unsigned differences keep them right
// when the tick count wraps after 49.7 days.
#include "ui/main/status_hold.h"

#include <algorithm>

namespace dravolt::mainui {

bool StatusHold::IdlePass(std::uint32_t now)
{
    if (hold == 0)
        return true;
    if (now - start > hold)
        hold = 0;
    return false;
}

std::uint32_t BalloonHold(std::uint32_t requested) { return std::max(requested, kMinimumBalloonHold); }

bool BalloonExpired(std::uint32_t shown, std::uint32_t hold, std::uint32_t now) { return now - shown > hold; }

}  // namespace dravolt::mainui
