// Recognises an image file by its first bytes; the name says nothing.
#pragma once

#include <string_view>

namespace quorlet {

enum class ImageFormat { Unknown, Jpeg, Tiff, Png, Bmp, Gif };

ImageFormat DetectImageFormat(std::string_view firstBytes);

}  // namespace quorlet
