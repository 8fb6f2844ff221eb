#include "quorlet/image_format.h"

namespace quorlet {

ImageFormat DetectImageFormat(std::string_view b)
{
    auto starts = [b](std::string_view magic) { return b.substr(0, magic.size()) == magic; };
    if (starts("\xFF\xD8\xFF")) return ImageFormat::Jpeg;
    if (starts(std::string_view("II*\0", 4)) || starts(std::string_view("MM\0*", 4)))
        return ImageFormat::Tiff;
    if (starts("\x89PNG\r\n\x1A\n")) return ImageFormat::Png;
    if (starts("GIF87a") || starts("GIF89a")) return ImageFormat::Gif;
    if (starts("BM")) return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

}  // namespace quorlet
