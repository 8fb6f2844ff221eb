#include "quorlet/object_writer.h"

#include "quorlet/pdf_error.h"
#include "quorlet/pdf_syntax.h"

#include <cstdio>
#include <string>

namespace quorlet {

ObjectWriter::ObjectWriter(OutputFile& out) : out_(out)
{
    // The second line's high bytes mark the file as binary for transfer tools.
    out_.Write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

int ObjectWriter::Reserve()
{
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size() - 1);
}

void ObjectWriter::BeginObject(int number)
{
    if (number <= 0 || static_cast<std::size_t>(number) >= offsets_.size() || offsets_[number])
        throw PdfError("internal error: object written twice or never reserved");
    if (stream_) throw PdfError("internal error: object inside a stream");
    offsets_[number] = out_.Offset();
    out_.Write(std::to_string(number) + " 0 obj\n");
}

void ObjectWriter::WriteObject(int number, std::string_view body)
{
    BeginObject(number);
    out_.Write(body);
    out_.Write("\nendobj\n");
}

void ObjectWriter::BeginStream(int number, std::string_view dictionary,
                               std::optional<std::uint64_t> length)
{
    BeginObject(number);
    OpenStream open{0, length, 0};
    std::string head = "<<";
    head += dictionary;
    if (length) {
        head += " /Length " + std::to_string(*length);
    } else {
        open.lengthObject = Reserve();
        head += " /Length " + std::to_string(open.lengthObject) + " 0 R";
    }
    head += " >>\nstream\n";
    out_.Write(head);
    open.start = out_.Offset();
    stream_ = open;
}

void ObjectWriter::EndStream()
{
    if (!stream_) throw PdfError("internal error: no stream is open");
    const OpenStream open = *stream_;
    stream_.reset();
    const std::uint64_t length = out_.Offset() - open.start;
    if (open.declared && *open.declared != length)
        throw PdfError("an image file changed while it was being written");
    out_.Write("\nendstream\nendobj\n");
    if (open.lengthObject) WriteObject(open.lengthObject, std::to_string(length));
}

void ObjectWriter::WriteTrailer(int root, int info, std::string_view fileId)
{
    const std::uint64_t xref = out_.Offset();
    std::string table = "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f\r\n";
    for (std::size_t n = 1; n < offsets_.size(); ++n) {
        if (!offsets_[n]) throw PdfError("internal error: a reserved object was never written");
        if (offsets_[n] > 9999999999ULL) throw PdfError("the PDF is too large");
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010llu 00000 n\r\n",
                      static_cast<unsigned long long>(offsets_[n]));
        table += entry;
        if (table.size() > (1 << 16)) {  // keep memory flat for huge documents
            out_.Write(table);
            table.clear();
        }
    }
    const std::string id = PdfHexString(fileId);
    table += "trailer\n<< /Size " + std::to_string(offsets_.size()) + " /Root " +
             std::to_string(root) + " 0 R /Info " + std::to_string(info) + " 0 R /ID [" + id +
             " " + id + "] >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    out_.Write(table);
}

}  // namespace quorlet
