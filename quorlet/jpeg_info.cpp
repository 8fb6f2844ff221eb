#include "quorlet/jpeg_info.h"

#include "quorlet/file_access.h"
#include "quorlet/pdf_error.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace quorlet {
namespace {

[[noreturn]] void Damaged() { throw PdfError("the JPEG file is damaged or cut off"); }

void ReadExactly(std::FILE* file, unsigned char* into, std::size_t size)
{
    if (std::fread(into, 1, size, file) != size) Damaged();
}

bool IsFrameMarker(int marker)
{
    // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

void ReadFrame(std::FILE* file, int marker, int length, JpegInfo& info)
{
    if (length < 8) Damaged();
    std::array<unsigned char, 6> sof{};
    ReadExactly(file, sof.data(), sof.size());
    info.precision = sof[0];
    info.height = (sof[1] << 8) | sof[2];
    info.width = (sof[3] << 8) | sof[4];
    info.components = sof[5];
    info.huffmanDct = marker == 0xC0 || marker == 0xC1 || marker == 0xC2;
    // A height of 0 (given later by a DNL marker) is not allowed in PDF.
    if (info.width == 0 || info.height == 0 || info.components == 0 ||
        length < 8 + 3 * info.components)
        Damaged();
    if (!SeekBy(file, length - 2 - 6)) Damaged();
}

void ReadAdobe(std::FILE* file, int length, JpegInfo& info)
{
    std::array<unsigned char, 5> tag{};
    if (length >= 2 + 5) {
        ReadExactly(file, tag.data(), tag.size());
        info.adobeMarker = std::memcmp(tag.data(), "Adobe", 5) == 0;
        length -= 5;
    }
    if (!SeekBy(file, length - 2)) Damaged();
}

// A complete JPEG ends with FFD9; a little padding after it (some cameras
// add it) is tolerated.
void CheckEndOfImage(std::FILE* file, std::uint64_t dataStart)
{
    const std::uint64_t size = FileSize(file);
    if (size < dataStart + 2) Damaged();
    const std::uint64_t tail = std::min<std::uint64_t>(size - dataStart, 4096);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(tail));
    if (!SeekTo(file, size - tail)) Damaged();
    ReadExactly(file, bytes.data(), bytes.size());
    for (std::size_t i = bytes.size(); i >= 2; --i)
        if (bytes[i - 2] == 0xFF && bytes[i - 1] == 0xD9) return;
    Damaged();
}

}  // namespace

JpegInfo ReadJpegInfo(std::FILE* file)
{
    unsigned char soi[2];
    if (!SeekTo(file, 0) || std::fread(soi, 1, 2, file) != 2 || soi[0] != 0xFF || soi[1] != 0xD8)
        throw PdfError("the file is not a JPEG image");
    JpegInfo info;
    for (;;) {
        unsigned char head[4];
        ReadExactly(file, head, 2);
        if (head[0] != 0xFF) Damaged();
        if (head[1] == 0xFF) {  // fill byte before a marker
            SeekBy(file, -1);
            continue;
        }
        const int marker = head[1];
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        if (marker == 0xD9) Damaged();  // end of image before any scan
        ReadExactly(file, head + 2, 2);
        const int length = (head[2] << 8) | head[3];
        if (length < 2) Damaged();
        if (marker == 0xDA) {  // start of scan: the headers are behind us
            if (info.components == 0) Damaged();
            CheckEndOfImage(file, Tell(file));
            return info;
        }
        if (IsFrameMarker(marker)) {
            if (info.components != 0) Damaged();
            ReadFrame(file, marker, length, info);
        } else if (marker == 0xEE) {
            ReadAdobe(file, length, info);
        } else if (!SeekBy(file, length - 2)) {
            Damaged();
        }
    }
}

bool CanPassThrough(const JpegInfo& info)
{
    const bool knownColours = info.components == 1 || info.components == 3 || info.components == 4;
    return info.huffmanDct && info.precision == 8 && knownColours;
}

}  // namespace quorlet
