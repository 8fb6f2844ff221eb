// The mouse wheel's direction from WM_MOUSEWHEEL's wParam. The delta is the
// signed high word; fine-grained wheels and touchpads send deltas smaller
// than one notch (120), which still point up when positive.
#pragma once

#include <cstdint>

namespace dravolt {

// +1 (away from the user: scroll up), -1 (towards: down) or 0.
inline int WheelDirection(std::uint64_t wParam)
{
    const auto delta = static_cast<std::int16_t>(static_cast<std::uint16_t>(wParam >> 16));
    return delta > 0 ? 1 : delta < 0 ? -1 : 0;
}

}  // namespace dravolt
