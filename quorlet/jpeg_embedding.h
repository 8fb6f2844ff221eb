// JPEG files go into the PDF byte for byte as DCTDecode streams.
#pragma once

#include "quorlet/image_embedding.h"
#include "quorlet/jpeg_info.h"

#include <cstdio>
#include <string>

namespace quorlet {

// The image dictionary entries (without Length) for a pass-through JPEG.
std::string JpegImageDictionary(const JpegInfo& info);

// Writes the open JPEG file as an image object; `info` from ReadJpegInfo.
EmbeddedImage EmbedJpeg(ObjectWriter& writer, std::FILE* file, const JpegInfo& info);

}  // namespace quorlet
