// libFuzzer entry point for every decoder, reached through content
// detection exactly as page files and imports are read. A decoded image is
// also thumbnailed and thresholded, so that odd sizes and depths from the
// decoders reach the operations too.
#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/decode.h"
#include "imaging/threshold.h"
#include "imaging/thumbnail.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dravolt::imaging;
    const std::span<const std::uint8_t> bytes(data, size);
    Image image = Decode(bytes);
    if (image.IsValid() && static_cast<long long>(image.Width()) * image.Height() <= 1 << 20) {
        Thumbnail(image, {32, 32}, {100, 100, 100, 255});
        AdaptiveThreshold(image);
    }
    DecodeThumbnail(bytes, {24, 24}, {0, 0, 0, 255});
    return 0;
}
