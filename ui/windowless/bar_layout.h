// Placement of the children of a horizontal bar: fixed children keep their
// asked width, automatic ones (asking 0) share what is left, each followed
// by the child padding.
#pragma once

#include <optional>
#include <vector>

#include "brennix/modify_string.h"

namespace dravolt::windowless {

using brennix::IntRect;

struct BarChild {
    bool visible = true;
    int width = 0;  // the width the child asks for; 0 = automatic
};

// The position of every child inside the bar's inner rectangle, nothing
// for the hidden ones.
std::vector<std::optional<IntRect>> LayoutBar(const IntRect& inner, int padding,
                                              const std::vector<BarChild>& children);

}  // namespace dravolt::windowless
