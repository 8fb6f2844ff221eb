// Images that cannot go in as they stand are decoded by the image library
// and written losslessly with Flate.
#pragma once

#include "quorlet/image_embedding.h"

namespace quorlet {

EmbeddedImage EmbedDecoded(ObjectWriter& writer, const std::filesystem::path& path);

}  // namespace quorlet
