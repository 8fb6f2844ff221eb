#include "pdf/pdf_writer_binding.h"

namespace dravolt {

PdfWriterApi& ThePdfWriter()
{
    static PdfWriterApi api;
    return api;
}

PdfWriterWideApi& ThePdfWriterWide()
{
    static PdfWriterWideApi api;
    return api;
}

}  // namespace dravolt
