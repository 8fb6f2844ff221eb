// The working folder under Wine: reservations, imports and default names.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "app/page_file_store_paths.h"
#include "app/page_file_store_win.h"
#include "imaging/decode.h"
#include "imaging/encode.h"

namespace dravolt {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::wstring& path, const Bytes& bytes) {
    EnsureFolderOf(path);
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

imaging::Image Colourful() {
    imaging::Image image = imaging::Image::Create(16, 12, 24);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) image.SetRaw(x, y, imaging::PackBgra({static_cast<std::uint8_t>(x * 16), 80, 200, 255}));
    return image;
}

// A small PNG written by GDI+ itself, into a folder that may not exist yet.
void WritePng(const std::wstring& path, Gdiplus::PixelFormat format = PixelFormat24bppRGB) {
    namespace gp = Gdiplus::DllExports;
    ASSERT_TRUE(EnsureFolderOf(path));
    Gdiplus::GpBitmap* bitmap = nullptr;
    ASSERT_EQ(gp::GdipCreateBitmapFromScan0(8, 8, 0, format, nullptr, &bitmap), Gdiplus::Ok);
    UINT count = 0, size = 0;
    gp::GdipGetImageEncodersSize(&count, &size);
    std::vector<std::uint8_t> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    gp::GdipGetImageEncoders(count, size, codecs);
    Gdiplus::Status saved = Gdiplus::UnknownImageFormat;
    for (UINT i = 0; i < count; ++i)
        if (lstrcmpiW(codecs[i].MimeType, L"image/png") == 0)
            saved = gp::GdipSaveImageToFile(bitmap, path.c_str(), &codecs[i].Clsid, nullptr);
    gp::GdipDisposeImage(bitmap);
    ASSERT_EQ(saved, Gdiplus::Ok);
}

class PageFileStoreTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
        ASSERT_TRUE(CPageFileStore::Instance().Prepare());
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

    CPageFileStore& store() { return CPageFileStore::Instance(); }
    // A source folder of its own for each test, outside the working folder.
    std::wstring Source(const std::wstring& name) {
        return NormaliseFolder(FolderOfPath(store().Folder().substr(0, store().Folder().size() - 1))) +
               L"dravolt-sources-" + CreateUniqueName() + L"\\" + name;
    }

    static inline ULONG_PTR token_ = 0;
};

TEST_F(PageFileStoreTest, PreparesOneFolderUnderTheTemporaryFolder) {
    const std::wstring folder = store().Folder();
    EXPECT_TRUE(IsExistingFolder(folder));
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_EQ(FileNameOfPath(folder.substr(0, folder.size() - 1)).size(), 36u);
    EXPECT_TRUE(store().Prepare());
    EXPECT_EQ(store().Folder(), folder);
}

TEST_F(PageFileStoreTest, NewPageFilesAreEmptyAndDistinct) {
    const std::wstring a = store().NewPageFile(), b = store().NewPageFile();
    EXPECT_TRUE(IsExistingFile(a));
    EXPECT_NE(a, b);
    EXPECT_TRUE(ReadAll(a).empty());
    EXPECT_EQ(ExtensionOfPath(a), L"");
}

TEST_F(PageFileStoreTest, SameNameFromTwoFoldersGetsAUniqueSecondName) {
    const std::wstring first = Source(L"same-name.tif"), second = Source(L"same-name.tif");
    imaging::Image page = Colourful();
    WriteAll(first, *imaging::EncodeTiff(page));
    WriteAll(second, *imaging::EncodeTiff(page));
    const std::wstring a = store().ImportFile(first), b = store().ImportFile(second);
    EXPECT_EQ(a, store().Folder() + L"same-name.tif");
    ASSERT_FALSE(b.empty());
    EXPECT_NE(b, a);
    EXPECT_EQ(ExtensionOfPath(b), L"");
    EXPECT_EQ(ReadAll(b), ReadAll(second));
}

TEST_F(PageFileStoreTest, JpegAndTiffAreCopiedByteForByte) {
    for (imaging::EncodeFormat format : {imaging::EncodeFormat::Jpeg, imaging::EncodeFormat::Tiff}) {
        const std::wstring source = Source(format == imaging::EncodeFormat::Jpeg ? L"copy.jpg" : L"copy.tif");
        WriteAll(source, *imaging::Encode(Colourful(), format));
        const std::wstring target = store().ImportFile(source);
        ASSERT_FALSE(target.empty());
        EXPECT_EQ(ReadAll(target), ReadAll(source));
    }
}

// Bilevel and alpha PNGs too: the JPEG has no such depths, so one of the
// two converters must change them.
TEST_F(PageFileStoreTest, PngBecomesJpegUnderItsOwnName) {
    const std::vector<std::pair<Gdiplus::PixelFormat, std::wstring>> cases = {
        {PixelFormat24bppRGB, L"colour.png"},
        {PixelFormat1bppIndexed, L"bilevel.png"},
        {PixelFormat32bppARGB, L"alpha.png"}};
    for (const auto& [format, name] : cases) {
        SCOPED_TRACE(format);
        const std::wstring source = Source(name);
        WritePng(source, format);
        const std::wstring target = store().ImportFile(source);
        EXPECT_EQ(target, store().Folder() + name);
        EXPECT_EQ(imaging::DetectFormat(ReadAll(target)), imaging::ImageFormat::Jpeg);
    }
}

// GDI+ converts these under Wine, so the fallback is tried on its own.
TEST_F(PageFileStoreTest, ImageLibraryConvertsWhatItReads) {
    imaging::Image bilevel = imaging::Image::Create(20, 10, 1);
    const std::wstring source = Source(L"bilevel.tif"), target = FolderOfPath(source) + L"out";
    WriteAll(source, *imaging::EncodeTiff(bilevel));
    ASSERT_TRUE(ConvertWithImageLibrary(source, target));
    const imaging::Image converted = imaging::DecodeFile(target);
    EXPECT_EQ(imaging::DetectFormat(ReadAll(target)), imaging::ImageFormat::Jpeg);
    EXPECT_EQ(converted.Width(), 20);
    EXPECT_EQ(converted.Bpp(), 24);
    WriteAll(source, {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
    EXPECT_FALSE(ConvertWithImageLibrary(source, target));
}

// Files GDI+ cannot open (here a PNG cut short) are kept as they are;
// reading them is left to the page that shows them.
TEST_F(PageFileStoreTest, UnreadableFilesAreCopiedAsTheyAre) {
    const std::wstring source = Source(L"damaged.png");
    WritePng(source);
    Bytes bytes = ReadAll(source);
    bytes.resize(bytes.size() / 2);
    WriteAll(source, bytes);
    const std::wstring target = store().ImportFile(source);
    EXPECT_EQ(FileNameOfPath(target), L"damaged.png");
    EXPECT_EQ(ReadAll(target), bytes);
}

TEST_F(PageFileStoreTest, MissingSourcesAndFoldersGiveNothing) {
    EXPECT_EQ(store().ImportFile(Source(L"missing.jpg")), L"");
    EXPECT_EQ(store().ImportFile(store().Folder()), L"");
}

TEST_F(PageFileStoreTest, DefaultPdfNamesCountUp) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::wstring first = FileNameOfPath(store().MakeDefaultPdfPath());
    const std::wstring second = FileNameOfPath(store().MakeDefaultPdfPath());
    const std::wstring prefix = L"Velquin_Pellmar_" + std::to_wstring(now.wMonth) + L"." + std::to_wstring(now.wDay) + L"(";
    EXPECT_EQ(first.rfind(prefix, 0), 0u);
    const int n = std::stoi(first.substr(prefix.size()));
    EXPECT_EQ(second, prefix + std::to_wstring(n + 1) + L").pdf");
}

TEST_F(PageFileStoreTest, FolderHelpers) {
    const std::wstring folder = FolderOfPath(Source(L"x"));
    EXPECT_TRUE(IsFolderEmpty(folder));  // not there yet
    WriteAll(folder + L"file", {1});
    EXPECT_FALSE(IsFolderEmpty(folder));
    EXPECT_TRUE(CopyFileOver(folder + L"file", folder + L"deeper\\copy"));
    EXPECT_EQ(ReadAll(folder + L"deeper\\copy"), Bytes{1});
}

}  // namespace
}  // namespace dravolt
