// The resolutions a scan item offers, read from the valid values the driver
// gives for its horizontal resolution, and the preference for black and
// white scans.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace dravolt {

// Attribute flags of a WIA property's valid values.
inline constexpr std::uint32_t kValidValuesRange = 0x10;
inline constexpr std::uint32_t kValidValuesList = 0x20;

// Black-and-white scans below this resolution are too coarse to read.
inline constexpr std::int32_t kLegibleTextResolution = 300;

struct ResolutionReading {
    std::vector<std::int32_t> values;  // ascending
    std::int32_t current = 0;
};

// Reads the valid values of a resolution property. `vector` holds the
// elements of the valid-values vector (its real length), or is empty when
// the variant is not a vector.
// A list is {count, nominal, value...}: the nominal becomes the current
// resolution, which then moves along the values in device order while it is
// below kLegibleTextResolution. A range is {min, nominal, max, step}.
// Nothing (the caller keeps what it had) when the flags name neither or the
// vector is too short for what they name: the count inside a list is the
// driver's word, never trusted beyond the vector's real length.
std::optional<ResolutionReading> ReadResolutionValues(
    std::uint32_t flags, std::optional<std::span<const std::int32_t>> vector);

// The values offered for a range: the usual scanner resolutions that lie on
// the range's grid, with the nominal value; ascending.
std::vector<std::int32_t> ResolutionsOfRange(std::int32_t minimum, std::int32_t nominal,
                                             std::int32_t maximum, std::int32_t step);

// A black-and-white intent below kLegibleTextResolution takes the first
// value of the ascending list that reaches it; otherwise `current`.
std::int32_t PreferredResolution(std::int32_t intent, std::span<const std::int32_t> ascending,
                                 std::int32_t current);

}  // namespace dravolt
