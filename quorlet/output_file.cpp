#include "quorlet/output_file.h"

#include "quorlet/pdf_error.h"

#include <random>
#include <string>
#include <system_error>

namespace quorlet {
namespace {

// A name beside the target that no other writer will pick, so the final
// rename stays on one volume and is a single step.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target)
{
    std::random_device entropy;
    const unsigned long long tag =
        (static_cast<unsigned long long>(entropy()) << 32) ^ entropy();
    std::filesystem::path name = target.filename();
    name += ".quorlet-" + std::to_string(tag % 1000000000ULL) + ".tmp";
    return target.parent_path() / name;
}

}  // namespace

OutputFile::OutputFile(std::filesystem::path target)
    : target_(std::move(target)), temporary_(TemporaryBeside(target_))
{
    std::error_code ec;
    if (target_.empty() || !target_.has_filename() || std::filesystem::is_directory(target_, ec))
        throw PdfError("the output path does not name a file");
    file_ = OpenFile(temporary_, "wb");
    if (!file_) throw PdfError("cannot create a file in the output folder");
    buffer_.resize(1 << 20);
    std::setvbuf(file_.get(), buffer_.data(), _IOFBF, buffer_.size());
}

OutputFile::~OutputFile()
{
    if (committed_) return;
    file_.reset();
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

void OutputFile::Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }

void OutputFile::Write(const void* data, std::size_t size)
{
    if (!file_) throw PdfError("the output file is closed");
    if (std::fwrite(data, 1, size, file_.get()) != size) Fail("cannot write the output file");
    offset_ += size;
}

void OutputFile::Commit()
{
    if (!file_) throw PdfError("the output file is closed");
    // fclose reports write errors that buffering delayed (a full disk).
    const bool flushed = std::fflush(file_.get()) == 0 && !std::ferror(file_.get());
    std::FILE* raw = file_.release();
    if (std::fclose(raw) != 0 || !flushed) Fail("cannot write the output file");
    MoveFileOver(temporary_, target_);
    committed_ = true;
}

void OutputFile::Fail(const char* what)
{
    file_.reset();
    throw PdfError(what);
}

}  // namespace quorlet
