// The writer as the program drives it through the entry points: one document
// at a time, page by page. A failure raises PdfError once and discards the
// document (the target file stays as it was); the EndPage and Finish calls
// the program makes after catching it are then harmless no-ops.
#pragma once

#include "quorlet/pdf_document.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>

namespace quorlet {

class WriterSession {
public:
    void Init(const std::filesystem::path& output);
    void BeginPage(double width, double height);
    void InsertImage(double x, double y, double width, double height,
                     const std::filesystem::path& image);
    void PlaceText(double x, double y, double fontSize, std::string_view text);
    void SetColor(double red, double green, double blue);
    void EndPage();
    void Finish();

    // Rejects a call made without an open document, or a path that could not
    // be given to the system as it was meant.
    void Fail(const char* why);

private:
    template <typename Step>
    void Guarded(Step step);

    std::mutex mutex_;  // the entry points may be called from any thread
    std::unique_ptr<PdfDocument> document_;
};

// The session behind the library's entry points.
WriterSession& TheWriterSession();

}  // namespace quorlet
