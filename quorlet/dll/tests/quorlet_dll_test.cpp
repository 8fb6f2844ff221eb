#include "pdf/pdf_writer_binding.h"
#include "test_images.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <exception>
#include <string>

namespace {

using quorlet::test::Bytes;

// The build's path of the DLL as Wine sees it (the Unix root is drive Z:).
std::wstring DllPath()
{
    const std::string unixPath = QUORLET_DLL_PATH;
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

class QuorletDll : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module_ = LoadLibraryW(DllPath().c_str());
        ASSERT_NE(module_, nullptr) << "cannot load Quorlet.dll";
        auto lookup = [](const char* name) { return reinterpret_cast<void*>(GetProcAddress(module_, name)); };
        api_ = dravolt::BindPdfWriter(lookup);
        wide_ = dravolt::BindPdfWriterWide(lookup);
    }

    void SetUp() override
    {
        ASSERT_TRUE(api_.Complete());
        folder_ = quorlet::test::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        quorlet::test::WriteBytes(folder_ / "page.jpg", quorlet::test::MakeJpeg(64, 48, 3));
    }

    static bool LooksLikePdf(const std::filesystem::path& path)
    {
        const Bytes bytes = quorlet::test::ReadBytes(path);
        const std::string text(bytes.begin(), bytes.end());
        return text.rfind("%PDF-1.4", 0) == 0 && text.find("%%EOF") != std::string::npos;
    }

    static inline HMODULE module_ = nullptr;
    static inline dravolt::PdfWriterApi api_;
    static inline dravolt::PdfWriterWideApi wide_;
    std::filesystem::path folder_;
};

TEST_F(QuorletDll, WritesADocumentThroughThe8BitEntryPoints)
{
    const std::string pdf = (folder_ / "out.pdf").string();
    const std::string jpeg = (folder_ / "page.jpg").string();
    api_.InitPDFDoc(pdf.c_str());
    api_.BiginPDFPage(100, 80);
    api_.InsertPDFImage(10, 70, 64, 48, jpeg.c_str());
    api_.SetCurColor(0, 0, 1);
    api_.DrawPDFText(10, 78, 8, "page 1");
    api_.EndPDFPage();
    api_.BiginPDFPage(64, 48);
    api_.InsertTiffIPDFmage(0, 48, 64, 48, jpeg.c_str());  // content decides, not the call
    api_.EndPDFPage();
    api_.FinishPDFDoc();
    EXPECT_TRUE(LooksLikePdf(pdf));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++entries;
    EXPECT_EQ(entries, 2) << "only the page and the PDF, no temporary file";
}

TEST_F(QuorletDll, FailuresArriveAsStdExceptionAndSpareThePreviousFile)
{
    const auto pdf = folder_ / "out.pdf";
    quorlet::test::WriteText(pdf, "previous");
    const std::string missing = (folder_ / "missing.jpg").string();
    bool caught = false;
    try {
        api_.InitPDFDoc(pdf.string().c_str());
        api_.BiginPDFPage(64, 48);
        api_.InsertPDFImage(0, 48, 64, 48, missing.c_str());
    } catch (const std::exception&) {
        caught = true;
        api_.EndPDFPage();  // the worker's clean-up calls must not throw again
        api_.FinishPDFDoc();
    }
    EXPECT_TRUE(caught);
    EXPECT_EQ(quorlet::test::ReadBytes(pdf), (Bytes{'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));
    EXPECT_THROW(api_.InitPDFDoc((folder_ / "no-folder" / "x.pdf").string().c_str()), std::exception);
    api_.FinishPDFDoc();
}

TEST_F(QuorletDll, NamesOutsideTheCodePageWorkWideAndAreRefusedNarrow)
{
    ASSERT_TRUE(wide_.Complete());
    const std::filesystem::path name = L"\u03A9mega-\u65E5\u672C";  // Greek and CJK
    std::filesystem::create_directory(folder_ / name);
    const auto jpeg = folder_ / name / L"\u0436.jpg";
    std::filesystem::copy_file(folder_ / "page.jpg", jpeg);
    const auto pdf = folder_ / name / L"\u0444\u0430\u0439\u043B.pdf";
    wide_.InitPDFDocW(pdf.c_str());
    api_.BiginPDFPage(64, 48);
    wide_.InsertPDFImageW(0, 48, 64, 48, jpeg.c_str());
    api_.EndPDFPage();
    api_.FinishPDFDoc();
    EXPECT_TRUE(LooksLikePdf(pdf));

    // What the program's lossy conversion makes of such a name.
    EXPECT_THROW(api_.InitPDFDoc((folder_.string() + "\\????.pdf").c_str()), std::exception);
    api_.FinishPDFDoc();
    EXPECT_THROW(api_.InitPDFDoc(nullptr), std::exception);
}

}  // namespace
