// Bounds-checked little-endian reads from untrusted bytes: every read past
// the end yields nothing rather than reading outside the buffer.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace dravolt::imaging {

inline std::optional<std::uint32_t> ReadLe(std::span<const std::uint8_t> bytes, std::size_t offset, int size) {
    if (offset > bytes.size() || bytes.size() - offset < static_cast<std::size_t>(size)) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[offset + static_cast<std::size_t>(i)];
    return value;
}

inline std::uint32_t Le32Or0(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return ReadLe(bytes, offset, 4).value_or(0);
}
inline std::uint16_t Le16Or0(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(ReadLe(bytes, offset, 2).value_or(0));
}

}  // namespace dravolt::imaging
