// Resolution lists read from a driver's valid values, and the preference for
// black-and-white scans.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "scan/scan_resolutions.h"
#include "scan/scan_state.h"

namespace dravolt {
namespace {

using Values = std::vector<std::int32_t>;

struct ReadCase {
    const char* what;
    std::uint32_t flags;
    std::optional<Values> vector;  // empty: the variant is not a vector
    bool read;
    Values values;
    std::int32_t current;
};

class ReadResolutionValuesTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadResolutionValuesTest, GivesTheListAndCurrentOrNothing)
{
    const ReadCase& c = GetParam();
    SCOPED_TRACE(c.what);
    std::optional<std::span<const std::int32_t>> vector;
    if (c.vector)
        vector = std::span<const std::int32_t>(*c.vector);
    const auto reading = ReadResolutionValues(c.flags, vector);
    ASSERT_EQ(reading.has_value(), c.read);
    if (!c.read)
        return;
    EXPECT_EQ(reading->values, c.values);
    EXPECT_EQ(reading->current, c.current);
}

constexpr std::uint32_t kList = kValidValuesList;
constexpr std::uint32_t kRange = kValidValuesRange;
constexpr std::uint32_t kReadWrite = 0x3;  // flags other than list or range ride along

INSTANTIATE_TEST_SUITE_P(Cases, ReadResolutionValuesTest, testing::Values(
    // A nominal below 300 moves to the first value (device order) reaching 300.
    ReadCase{"nominal 200 -> 600", kList, Values{4, 200, 75, 150, 200, 600}, true, {75, 150, 200, 600}, 600},
    // None reaches 300: the last value in device order.
    ReadCase{"nominal 75 -> 150", kList | kReadWrite, Values{3, 75, 75, 100, 150}, true, {75, 100, 150}, 150},
    ReadCase{"unsorted device order", kList, Values{4, 150, 600, 75, 300, 150}, true, {75, 150, 300, 600}, 600},
    ReadCase{"nominal already legible", kList, Values{3, 300, 75, 150, 600}, true, {75, 150, 600}, 300},
    ReadCase{"values past the count ignored", kList, Values{2, 100, 100, 200, 600}, true, {100, 200}, 200},
    ReadCase{"empty list keeps the nominal", kList, Values{0, 150}, true, {}, 150},
    // The count is the driver's word: never read past the vector.
    ReadCase{"count larger than the vector", kList, Values{9, 200, 75, 150}, false, {}, 0},
    ReadCase{"negative count", kList, Values{-1, 200, 75}, false, {}, 0},
    ReadCase{"no nominal", kList, Values{0}, false, {}, 0},
    ReadCase{"empty vector", kList, Values{}, false, {}, 0},
    ReadCase{"range", kRange, Values{100, 200, 600, 100}, true, {100, 200, 300, 400, 600}, 200},
    ReadCase{"range too short", kRange, Values{100, 200, 600}, false, {}, 0},
    ReadCase{"range without a vector", kRange, std::nullopt, false, {}, 0},
    // A list flag without a vector falls to the range reading.
    ReadCase{"list flag, range vector missing", kList | kRange, std::nullopt, false, {}, 0},
    ReadCase{"neither list nor range", kReadWrite, Values{2, 150, 150, 300}, false, {}, 0}));

TEST(ResolutionsOfRange, UsualValuesOnTheGridWithTheNominal)
{
    EXPECT_EQ(ResolutionsOfRange(50, 150, 400, 50), (Values{100, 150, 200, 300, 400}));
    // Off-grid usual values are left out; the nominal is always offered.
    EXPECT_EQ(ResolutionsOfRange(75, 75, 1200, 75), (Values{75, 150, 300, 600, 1200}));
    EXPECT_EQ(ResolutionsOfRange(75, 110, 150, 0), (Values{75, 100, 110, 150}));
    EXPECT_EQ(ResolutionsOfRange(500, 500, 100, 1), (Values{500}));
    // Extreme driver values do not overflow the grid test.
    EXPECT_EQ(ResolutionsOfRange(INT32_MIN, 300, INT32_MAX, INT32_MAX), (Values{300}));
}

TEST(PreferredResolution, BlackAndWhiteBelow300TakesTheFirstLegibleValue)
{
    const Values list{100, 200, 300, 600};
    EXPECT_EQ(PreferredResolution(kIntentText, list, 200), 300);
    EXPECT_EQ(PreferredResolution(kIntentText, list, 600), 600);
    EXPECT_EQ(PreferredResolution(kIntentColor, list, 200), 200);
    EXPECT_EQ(PreferredResolution(kIntentGrayscale, list, 100), 100);
    EXPECT_EQ(PreferredResolution(kIntentText, Values{75, 150}, 150), 150);
    EXPECT_EQ(PreferredResolution(kIntentText, Values{}, 150), 150);
}

}  // namespace
}  // namespace dravolt
