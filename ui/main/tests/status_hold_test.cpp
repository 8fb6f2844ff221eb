// Status and balloon hold times over wrapping tick counts.
#include <gtest/gtest.h>

#include "ui/main/status_hold.h"

namespace dravolt::mainui {
namespace {

TEST(StatusHold, ReadyComesOnTheSecondPassAfterTheHoldRunsOut)
{
    StatusHold status;
    EXPECT_TRUE(status.IdlePass(0));  // nothing held: "Ready"
    status.Hold(1000, kShortHold);
    EXPECT_FALSE(status.IdlePass(1000));
    EXPECT_FALSE(status.IdlePass(4000));  // exactly the hold time: still held
    EXPECT_FALSE(status.IdlePass(4001));  // expired: cleared, text kept
    EXPECT_TRUE(status.IdlePass(4002));
}

TEST(StatusHold, SurvivesTheTickCountWrapping)
{
    StatusHold status;
    status.Hold(0xFFFFFF00u, kLongHold);
    EXPECT_FALSE(status.IdlePass(0x00000100u));  // 512 ms later
    EXPECT_FALSE(status.IdlePass(0xFFFFFF00u + kLongHold + 1));
    EXPECT_TRUE(status.IdlePass(0xFFFFFF00u + kLongHold + 2));
}

TEST(BalloonHold, IsAtLeastTwoSecondsAndExpiresAcrossTheWrap)
{
    EXPECT_EQ(BalloonHold(1000), 2000u);
    EXPECT_EQ(BalloonHold(4000), 4000u);
    EXPECT_FALSE(BalloonExpired(0xFFFFFFF0u, 2000, 0x10u));
    EXPECT_TRUE(BalloonExpired(0xFFFFFFF0u, 2000, 0xFFFFFFF0u + 2001));
}

}  // namespace
}  // namespace dravolt::mainui
