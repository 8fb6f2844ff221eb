#include "quorlet/pdf_document.h"

#include "quorlet/image_embedding.h"
#include "quorlet/pdf_error.h"
#include "quorlet/pdf_syntax.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace quorlet {
namespace {

constexpr const char* kProducer = "Dravolt Quorlet";

std::string Ref(int object) { return std::to_string(object) + " 0 R"; }

// Two 64-bit FNV-1a hashes of the path and the time: unique enough for the
// file identifier, which readers only compare.
std::string FileIdentifier(const std::filesystem::path& target)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const std::u8string path = target.u8string();
    const std::string seed = std::string(path.begin(), path.end()) + std::to_string(now);
    std::string id;
    for (std::uint64_t hash : {1469598103934665603ULL, 1099511628211ULL * 31}) {
        for (const unsigned char c : seed) hash = (hash ^ c) * 1099511628211ULL;
        for (int i = 0; i < 8; ++i) id += static_cast<char>(hash >> (8 * i));
    }
    return id;
}

}  // namespace

PdfDocument::PdfDocument(const std::filesystem::path& target)
    : target_(target), out_(target), writer_(out_), pagesObject_(writer_.Reserve())
{
}

void PdfDocument::BeginPage(double width, double height)
{
    if (page_.open) throw PdfError("a page was begun while another was still open");
    if (!(width >= 1 && height >= 1 && width <= 1e6 && height <= 1e6))
        throw PdfError("the page size is not usable");
    page_ = Page{true, width, height, {}, {}, 0, false};
}

void PdfDocument::DrawImage(double x, double y, double width, double height,
                            const std::filesystem::path& image)
{
    if (!page_.open) throw PdfError("an image was drawn outside a page");
    // Checked before the image is written, so a bad call leaves no orphan.
    const std::string placement = PdfNumber(width) + " 0 0 " + PdfNumber(height) + " " +
                                  PdfNumber(x) + " " + PdfNumber(page_.height - y) + " cm";
    const EmbeddedImage embedded = EmbedImageFile(writer_, image);
    const std::string name = "/Im" + std::to_string(++page_.imageCount);
    page_.resources += " " + name + " " + Ref(embedded.object);
    page_.content += "q " + placement + " " + name + " Do Q\n";
}

void PdfDocument::PlaceText(double x, double y, double fontSize, std::string_view text)
{
    if (!page_.open) throw PdfError("text was drawn outside a page");
    page_.content += "BT /F1 " + PdfNumber(fontSize) + " Tf " + ColorOperator() + " " +
                     PdfNumber(x) + " " + PdfNumber(page_.height - y) + " Td " +
                     PdfLiteralString(text) + " Tj ET\n";
    page_.usesFont = true;
}

void PdfDocument::SetColor(double red, double green, double blue)
{
    double parts[3] = {red, green, blue};
    // Callers that think in 0..255 get what they mean too.
    const bool bytes = std::max({red, green, blue}) > 1.0;
    for (double& part : parts) {
        if (bytes) part /= 255.0;
        part = std::isfinite(part) ? std::clamp(part, 0.0, 1.0) : 0.0;
    }
    std::copy(parts, parts + 3, color_);
}

std::string PdfDocument::ColorOperator() const
{
    return PdfNumber(color_[0]) + " " + PdfNumber(color_[1]) + " " + PdfNumber(color_[2]) + " rg";
}

int PdfDocument::FontObject()
{
    if (!fontObject_) {
        fontObject_ = writer_.Reserve();
        writer_.WriteObject(fontObject_, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica"
                                         " /Encoding /WinAnsiEncoding >>");
    }
    return fontObject_;
}

void PdfDocument::EndPage()
{
    if (!page_.open) return;
    const int content = writer_.Reserve();
    writer_.BeginStream(content, "", page_.content.size());
    writer_.WriteStreamData(page_.content.data(), page_.content.size());
    writer_.EndStream();

    std::string resources = "<< /ProcSet [/PDF /Text /ImageB /ImageC /ImageI]";
    if (!page_.resources.empty()) resources += " /XObject <<" + page_.resources + " >>";
    if (page_.usesFont) resources += " /Font << /F1 " + Ref(FontObject()) + " >>";
    resources += " >>";

    const int page = writer_.Reserve();
    writer_.WriteObject(page, "<< /Type /Page /Parent " + Ref(pagesObject_) + " /MediaBox [0 0 " +
                                  PdfNumber(page_.width) + " " + PdfNumber(page_.height) +
                                  "] /Resources " + resources + " /Contents " + Ref(content) +
                                  " >>");
    pageObjects_.push_back(page);
    page_ = Page{};
}

void PdfDocument::Finish()
{
    EndPage();
    std::string kids;
    for (const int page : pageObjects_) kids += Ref(page) + " ";
    writer_.WriteObject(pagesObject_, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                                          std::to_string(pageObjects_.size()) + " >>");
    const int catalog = writer_.Reserve();
    writer_.WriteObject(catalog, "<< /Type /Catalog /Pages " + Ref(pagesObject_) + " >>");
    const int info = writer_.Reserve();
    const std::string date = PdfLiteralString(PdfDate(std::time(nullptr)));
    writer_.WriteObject(info, "<< /Producer " + PdfLiteralString(kProducer) + " /CreationDate " +
                                  date + " /ModDate " + date + " >>");
    writer_.WriteTrailer(catalog, info, FileIdentifier(target_));
    out_.Commit();
}

}  // namespace quorlet
