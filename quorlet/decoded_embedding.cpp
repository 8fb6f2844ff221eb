#include "quorlet/decoded_embedding.h"

#include "quorlet/pdf_error.h"

namespace quorlet {

EmbeddedImage EmbedDecoded(ObjectWriter&, const std::filesystem::path&)
{
    throw PdfError("this image format is not supported yet");
}

}  // namespace quorlet
