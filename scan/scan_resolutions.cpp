#include "scan/scan_resolutions.h"

#include <algorithm>
#include <array>

#include "scan/scan_state.h"

namespace dravolt {

namespace {

// Elements ahead of the values in a list: the count, then the nominal value.
constexpr std::size_t kListHeader = 2;
// A range is minimum, nominal, maximum and step.
constexpr std::size_t kRangeElements = 4;

std::optional<ResolutionReading> ReadList(std::span<const std::int32_t> vector)
{
    if (vector.size() < kListHeader)
        return std::nullopt;
    const std::int32_t count = vector[0];
    if (count < 0 || static_cast<std::size_t>(count) > vector.size() - kListHeader)
        return std::nullopt;
    ResolutionReading reading;
    reading.current = vector[1];
    for (const std::int32_t value : vector.subspan(kListHeader, static_cast<std::size_t>(count))) {
        reading.values.push_back(value);
        if (reading.current < kLegibleTextResolution)
            reading.current = value;
    }
    std::sort(reading.values.begin(), reading.values.end());
    return reading;
}

}  // namespace

std::optional<ResolutionReading> ReadResolutionValues(
    std::uint32_t flags, std::optional<std::span<const std::int32_t>> vector)
{
    if ((flags & kValidValuesList) && vector)
        return ReadList(*vector);
    if (!(flags & kValidValuesRange) || !vector || vector->size() < kRangeElements)
        return std::nullopt;
    const auto& range = *vector;
    ResolutionReading reading;
    reading.current = range[1];
    reading.values = ResolutionsOfRange(range[0], range[1], range[2], range[3]);
    return reading;
}

std::vector<std::int32_t> ResolutionsOfRange(std::int32_t minimum, std::int32_t nominal,
                                             std::int32_t maximum, std::int32_t step)
{
    static constexpr std::array<std::int32_t, 11> kUsual{75,  100, 150,  200,  240, 300,
                                                         400, 600, 1200, 2400, 4800};
    std::vector<std::int32_t> values;
    for (const std::int32_t value : kUsual) {
        const std::int64_t offset = std::int64_t{value} - minimum;
        const bool onGrid = step <= 0 || offset % step == 0;
        if (value >= minimum && value <= maximum && onGrid)
            values.push_back(value);
    }
    if (std::find(values.begin(), values.end(), nominal) == values.end())
        values.push_back(nominal);
    std::sort(values.begin(), values.end());
    return values;
}

std::int32_t PreferredResolution(std::int32_t intent, std::span<const std::int32_t> ascending,
                                 std::int32_t current)
{
    if (intent != kIntentText || current >= kLegibleTextResolution)
        return current;
    const auto legible = std::find_if(ascending.begin(), ascending.end(),
                                      [](std::int32_t value) { return value >= kLegibleTextResolution; });
    return legible != ascending.end() ? *legible : current;
}

}  // namespace dravolt
