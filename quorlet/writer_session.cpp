#include "quorlet/writer_session.h"

#include "quorlet/pdf_error.h"

namespace quorlet {

template <typename Step>
void WriterSession::Guarded(Step step)
{
    std::lock_guard lock(mutex_);
    if (!document_) throw PdfError("no PDF document is open");
    try {
        step(*document_);
    } catch (...) {
        document_.reset();  // removes the temporary file; the target is untouched
        throw;
    }
}

void WriterSession::Init(const std::filesystem::path& output)
{
    std::lock_guard lock(mutex_);
    document_.reset();  // an unfinished earlier document is abandoned
    document_ = std::make_unique<PdfDocument>(output);
}

void WriterSession::BeginPage(double width, double height)
{
    Guarded([&](PdfDocument& d) { d.BeginPage(width, height); });
}

void WriterSession::InsertImage(double x, double y, double width, double height,
                                const std::filesystem::path& image)
{
    Guarded([&](PdfDocument& d) { d.DrawImage(x, y, width, height, image); });
}

void WriterSession::PlaceText(double x, double y, double fontSize, std::string_view text)
{
    Guarded([&](PdfDocument& d) { d.PlaceText(x, y, fontSize, text); });
}

void WriterSession::SetColor(double red, double green, double blue)
{
    std::lock_guard lock(mutex_);
    if (document_) document_->SetColor(red, green, blue);
}

void WriterSession::EndPage()
{
    std::lock_guard lock(mutex_);
    if (!document_ || !document_->PageOpen()) return;
    try {
        document_->EndPage();
    } catch (...) {
        document_.reset();
        throw;
    }
}

void WriterSession::Finish()
{
    std::lock_guard lock(mutex_);
    if (!document_) return;  // after a failure: nothing to finish
    std::unique_ptr<PdfDocument> document = std::move(document_);
    document->Finish();
}

void WriterSession::Fail(const char* why)
{
    std::lock_guard lock(mutex_);
    document_.reset();
    throw PdfError(why);
}

WriterSession& TheWriterSession()
{
    static WriterSession session;
    return session;
}

}  // namespace quorlet
