// What a row drag carries: not the address of the source list but a token
// naming this process and one of its lists. Another running copy of the
// program registers the same clipboard format names, so data that does not
// name this process, or a list that no longer exists, must be ignored.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace dravolt {

inline constexpr std::size_t kDragTokenSize = 16;
using DragTokenBytes = std::array<std::uint8_t, kDragTokenSize>;

DragTokenBytes EncodeDragToken(std::uint32_t processId, std::uint64_t listId);

// The list identifier, when `bytes` is exactly one token of `processId`.
std::optional<std::uint64_t> DecodeDragToken(std::span<const std::uint8_t> bytes,
                                             std::uint32_t processId);

}  // namespace dravolt
