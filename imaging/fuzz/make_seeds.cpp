// Writes the fuzzer's seed files: one small file of each format and
// variant, made by our own encoders and test fixtures. Run once when the
// seeds need renewing; the outputs are committed under seeds/.
#include <png.h>

#include <string>

#include "imaging/encode.h"
#include "../tests/test_images.h"

int main(int argc, char** argv) {
    using namespace dravolt::imaging;
    const std::string dir = argc > 1 ? argv[1] : ".";
    auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        WriteFileBytes(dir + "/" + name, bytes);
    };
    Image colour = test::Pattern(12, 9, 24);
    Image bilevel = test::Pattern(20, 7, 1);
    bilevel.SetTiffCompression(2);
    write("colour.jpg", *EncodeJpeg(colour));
    write("grey.jpg", *EncodeJpeg(test::Pattern(9, 9, 8, true)));
    write("colour.tif", *EncodeTiff(colour));
    write("bilevel.tif", *EncodeTiff(bilevel));
    write("palette.tif", *EncodeTiff(test::Pattern(6, 5, 4)));
    write("two-pages.tif", test::TwoPageTiff());
    write("rgba.png", test::PngBytes(7, 5, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false));
    write("interlaced.png", test::PngBytes(9, 9, PNG_COLOR_TYPE_PALETTE, 2, true, true));
    write("bmp24.bmp", test::BmpBytes(colour, false));
    write("bmp4.bmp", test::BmpBytes(test::Pattern(5, 3, 4), true));
    write("rle8.bmp", test::BmpRle8Bytes());
    write("frame.gif", test::GifBytes(test::Pattern(6, 10, 8), true));
    return 0;
}
