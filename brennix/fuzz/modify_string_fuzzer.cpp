// Feeds arbitrary text to the image description parser and places an image
// with whatever it accepts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "brennix/draw_geometry.h"
#include "brennix/modify_string.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
    if (const auto modify = dravolt::brennix::ParseImageModify(text))
        (void)dravolt::brennix::PlaceImage({-100, -100, 100, 100}, 32, 32, *modify);
    return 0;
}
