#include "scan/device_rules.h"

namespace dravolt {

namespace {

bool HasAll(std::int32_t value, std::int32_t flags)
{
    return (value & flags) == flags;
}

}  // namespace

bool ItemHasChildrenToSearch(std::int32_t itemType)
{
    return (itemType & (kItemFolder | kItemHasAttachments)) != 0;
}

bool ItemDeliversImages(std::int32_t itemType)
{
    return HasAll(itemType, kItemImage | kItemFile);
}

HandlingCapabilities CapabilitiesOfHandling(std::optional<std::int32_t> handling)
{
    if (!handling)
        return {};
    return {HasAll(*handling, kHandlingFlat), HasAll(*handling, kHandlingFeed | kHandlingFlat),
            HasAll(*handling, kHandlingFeed | kHandlingFlat | kHandlingDuplex)};
}

std::uint32_t CapabilityBits(const HandlingCapabilities& capabilities)
{
    std::uint32_t bits = 0;
    if (capabilities.flatbed)
        bits |= kCanFlatbed;
    if (capabilities.feederAndFlatbed)
        bits |= kCanFeed;
    if (capabilities.duplexFeeder)
        bits |= kCanDuplex;
    return bits;
}

bool IsFeederSelection(std::optional<std::int32_t> selection)
{
    return selection && HasAll(*selection, kHandlingFeed);
}

bool IsFlatbedSelection(std::optional<std::int32_t> selection)
{
    return selection && HasAll(*selection, kHandlingFlat);
}

bool IsDuplexFeederSelection(std::optional<std::int32_t> selection)
{
    return selection && HasAll(*selection, kHandlingFeed | kHandlingDuplex);
}

}  // namespace dravolt
