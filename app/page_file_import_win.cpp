// Importing a file into the working folder: JPEG and TIFF files (and files
// the platform codecs cannot read) are copied byte for byte; other images
// are converted to JPEG, by GDI+ first and by our image library when GDI+
// cannot. A conversion that fails both ways leaves nothing behind. JPEG and
// TIFF files are known by their first bytes, so the common scan is copied
// without GDI+ decoding it in full only to name its format.
#include <windows.h>
// The lean Windows header leaves out what GDI+'s headers need.
#include <objidl.h>
#include <gdiplus.h>

#include <vector>

#include "app/page_file_store_paths.h"
#include "app/page_file_store_win.h"
#include "imaging/color_ops.h"
#include "imaging/decode.h"
#include "imaging/encode.h"

namespace dravolt {

namespace {

namespace gp = Gdiplus::DllExports;

// A GDI+ image owned for the length of one import.
class GdiplusImage {
public:
    explicit GdiplusImage(const std::wstring& path) {
        if (gp::GdipLoadImageFromFile(path.c_str(), &image_) != Gdiplus::Ok) image_ = nullptr;
    }
    ~GdiplusImage() {
        if (image_) gp::GdipDisposeImage(image_);
    }
    GdiplusImage(const GdiplusImage&) = delete;
    GdiplusImage& operator=(const GdiplusImage&) = delete;
    Gdiplus::GpImage* get() const { return image_; }

private:
    Gdiplus::GpImage* image_ = nullptr;
};

SourceKind KindOf(const GdiplusImage& image) {
    GUID format{};
    if (!image.get() || gp::GdipGetImageRawFormat(image.get(), &format) != Gdiplus::Ok)
        return SourceKind::NotRecognised;
    if (IsEqualGUID(format, Gdiplus::ImageFormatJPEG)) return SourceKind::Jpeg;
    if (IsEqualGUID(format, Gdiplus::ImageFormatTIFF)) return SourceKind::Tiff;
    return SourceKind::OtherImage;
}

bool FindJpegEncoder(CLSID& clsid) {
    UINT count = 0, bytes = 0;
    if (gp::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
    std::vector<std::uint8_t> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (gp::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (codecs[i].MimeType && lstrcmpiW(codecs[i].MimeType, L"image/jpeg") == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

bool SaveWithGdiplus(const GdiplusImage& image, const std::wstring& target) {
    CLSID encoder{};
    return FindJpegEncoder(encoder) &&
           gp::GdipSaveImageToFile(image.get(), target.c_str(), &encoder, nullptr) == Gdiplus::Ok;
}

// Only the formats that are copied as they are; the rest is GDI+'s to name.
SourceKind KindBySignature(imaging::ImageFormat format) {
    if (format == imaging::ImageFormat::Jpeg) return SourceKind::Jpeg;
    if (format == imaging::ImageFormat::Tiff) return SourceKind::Tiff;
    return SourceKind::NotRecognised;
}

}  // namespace

// The library's JPEG takes every depth but 1, so bilevel images are raised.
bool ConvertWithImageLibrary(const std::wstring& source, const std::wstring& target) {
    imaging::Image image = imaging::DecodeFile(source);
    if (image.Bpp() == 1 && !imaging::IncreaseBpp24(image)) return false;
    return image.IsValid() && imaging::EncodeToFile(image, imaging::EncodeFormat::Jpeg, target);
}

std::wstring CPageFileStore::ImportFile(const std::wstring& source) {
    if (!ready_ || !IsExistingFile(source)) return {};
    std::wstring target = folder_ + FileNameOfPath(source);
    if (IsExistingFile(target)) target = NewPageFile();
    if (target.empty()) return {};
    SourceKind kind = KindBySignature(imaging::DetectFileFormat(source));
    bool converted = false;
    if (kind == SourceKind::NotRecognised) {
        const GdiplusImage image(source);
        kind = KindOf(image);
        if (ChooseImportAction(kind) == ImportAction::ConvertToJpeg)
            converted = EnsureFolderOf(target) && SaveWithGdiplus(image, target);
    }
    if (ChooseImportAction(kind) == ImportAction::CopyBytes) {
        if (CopyFileOver(source, target)) return target;
        // A failed copy must not leave the empty reservation of a taken name.
        DeleteFileW(target.c_str());
        return {};
    }
    if (!converted) converted = ConvertWithImageLibrary(source, target);
    if (converted) return target;
    // Neither converter produced an image: do not leave a file that is not one.
    DeleteFileW(target.c_str());
    return {};
}

}  // namespace dravolt
