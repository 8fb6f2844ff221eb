// Rules about a WIA device that need no WIA call: which item of its tree
// delivers images, and what its document handling offers and selects.
#pragma once

#include <cstdint>
#include <optional>

namespace dravolt {

// Item type flags (IWiaItem::GetItemType).
inline constexpr std::int32_t kItemImage = 0x1;
inline constexpr std::int32_t kItemFile = 0x2;
inline constexpr std::int32_t kItemFolder = 0x4;
inline constexpr std::int32_t kItemDisconnected = 0x100;
inline constexpr std::int32_t kItemHasAttachments = 0x8000;

// Whether the search for the scan item goes on into the item's children.
bool ItemHasChildrenToSearch(std::int32_t itemType);
// Whether the item is the one that delivers images: an image and a file.
bool ItemDeliversImages(std::int32_t itemType);

// Document handling flags (capabilities and selection).
inline constexpr std::int32_t kHandlingFeed = 0x1;
inline constexpr std::int32_t kHandlingFlat = 0x2;
inline constexpr std::int32_t kHandlingDuplex = 0x4;

// Capability bits collected into the scan state; each matches the paper
// source value it makes available.
inline constexpr std::uint32_t kCanFeed = 1;     // feeder and flatbed
inline constexpr std::uint32_t kCanFlatbed = 2;  // flatbed
inline constexpr std::uint32_t kCanDuplex = 4;   // feeder, flatbed and two-sided

struct HandlingCapabilities {
    bool flatbed = false;          // has FLAT
    bool feederAndFlatbed = false; // has FEED and FLAT
    bool duplexFeeder = false;     // has FEED, FLAT and DUP
};

// From the document handling capabilities; all false when unreadable.
HandlingCapabilities CapabilitiesOfHandling(std::optional<std::int32_t> handling);
std::uint32_t CapabilityBits(const HandlingCapabilities& capabilities);

// From the document handling selection; false when it is unreadable (whatever
// value stands in for an unreadable selection, its bits are not looked at).
bool IsFeederSelection(std::optional<std::int32_t> selection);
bool IsFlatbedSelection(std::optional<std::int32_t> selection);
bool IsDuplexFeederSelection(std::optional<std::int32_t> selection);

}  // namespace dravolt
