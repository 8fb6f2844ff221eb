#include "pdf/pdf_writer_binding.h"

namespace dravolt {

PdfWriterApi& ThePdfWriter()
{
    static PdfWriterApi api;
    return api;
}

}  // namespace dravolt
