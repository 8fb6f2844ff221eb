// Prints, for a 300-dpi A4 colour JPEG, the time of a full decode, of a
// thumbnail made through the DCT-scaled decode, and of a thumbnail made
// from a full decode (the peer), with their ratios.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "imaging/decode.h"
#include "imaging/encode.h"
#include "imaging/thumbnail.h"

namespace {

using namespace dravolt::imaging;

// A page-like image: lines of dark text on a softly tinted background, as a
// colour scan of a printed page looks.
Image A4Page() {
    Image page = Image::Create(2480, 3508, 24);
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x) {
            const bool text = (y % 40 < 12) && (x % 9 < 4) && x > 200 && x < 2280;
            const Rgba c = text ? Rgba{20, 20, 30, 255}
                                : Rgba{static_cast<std::uint8_t>(230 - x / 40), static_cast<std::uint8_t>(235 - y / 60),
                                       static_cast<std::uint8_t>(225), 255};
            page.SetRaw(x, y, PackBgra(c));
        }
    page.SetResolution(300, 300);
    return page;
}

// Best of several runs, in milliseconds.
double Milliseconds(const std::function<void()>& work, int runs = 5) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main() {
    const auto jpeg = *EncodeJpeg(A4Page());
    const Size target{120, 160};
    const Rgba canvas{100, 100, 100, 255};
    const double full = Milliseconds([&] { Decode(jpeg); });
    const double scaled = Milliseconds([&] { DecodeThumbnail(jpeg, target, canvas); });
    const double peer = Milliseconds([&] { Thumbnail(Decode(jpeg), target, canvas); });
    std::printf("A4 300 dpi colour JPEG: %zu bytes, 2480 x 3508\n", jpeg.size());
    std::printf("full decode:                       %8.2f ms\n", full);
    std::printf("thumbnail %dx%d, DCT-scaled:      %8.2f ms\n", target.width, target.height, scaled);
    std::printf("thumbnail from a full decode:      %8.2f ms\n", peer);
    std::printf("full decode / DCT thumbnail:       %8.1f x\n", full / scaled);
    std::printf("full-decode thumbnail / DCT one:   %8.1f x\n", peer / scaled);
    return 0;
}
