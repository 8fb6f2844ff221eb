#include "document/drag_token.h"

namespace dravolt {

namespace {

constexpr std::uint32_t kMagic = 0x44524731;  // "DRG1": a row drag of ours

void Put(std::uint8_t* out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t Get(const std::uint8_t* in, int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t{in[i]} << (8 * i);
    return value;
}

}  // namespace

DragTokenBytes EncodeDragToken(std::uint32_t processId, std::uint64_t listId)
{
    DragTokenBytes token{};
    Put(token.data(), kMagic, 4);
    Put(token.data() + 4, processId, 4);
    Put(token.data() + 8, listId, 8);
    return token;
}

std::optional<std::uint64_t> DecodeDragToken(std::span<const std::uint8_t> bytes,
                                             std::uint32_t processId)
{
    if (bytes.size() != kDragTokenSize || Get(bytes.data(), 4) != kMagic ||
        Get(bytes.data() + 4, 4) != processId)
        return std::nullopt;
    return Get(bytes.data() + 8, 8);
}

}  // namespace dravolt
