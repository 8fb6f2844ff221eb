#include "quorlet/pdf_error.h"
#include "writer_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace quorlet::test {
namespace {

using WriterFailureTest = WriterTest;

// The worker's pattern: on an exception it ends the page and the document
// once more and reports failure. Those calls must not throw, and neither the
// existing file nor any temporary file may be left damaged or behind.
TEST_F(WriterFailureTest, BadPageLeavesThePreviousFileAndNoTemporary)
{
    const Bytes good = MakeJpeg(40, 30, 3);
    WriteBytes(File("good.jpg"), good);
    WriteBytes(File("truncated.jpg"), Bytes(good.begin(), good.end() - 50));
    WriteText(File("notes.jpg"), "this is not an image");
    WriteBytes(File("empty.tif"), {});
    const std::string badImages[] = {"truncated.jpg", "notes.jpg", "missing.jpg", "empty.tif"};

    for (const std::string& bad : badImages) {
        const auto pdf = File("out.pdf");
        WriteText(pdf, "previous document");
        session_.Init(pdf);
        WriteFullPage(File("good.jpg"), 40, 30);
        session_.BeginPage(40, 30);
        EXPECT_THROW(session_.InsertImage(0, 30, 40, 30, File(bad)), PdfError) << bad;
        EXPECT_NO_THROW(session_.EndPage());
        EXPECT_NO_THROW(session_.Finish());
        EXPECT_EQ(ReadBytes(pdf), (Bytes{'p', 'r', 'e', 'v', 'i', 'o', 'u', 's', ' ', 'd', 'o',
                                         'c', 'u', 'm', 'e', 'n', 't'}))
            << bad;
        EXPECT_EQ(FolderContents(), (std::vector<std::string>{"empty.tif", "good.jpg",
                                                               "notes.jpg", "out.pdf",
                                                               "truncated.jpg"}))
            << bad;
    }
}

TEST_F(WriterFailureTest, CallsOutOfOrderFailInsteadOfWritingNonsense)
{
    EXPECT_THROW(session_.BeginPage(100, 100), PdfError) << "no document";
    EXPECT_NO_THROW(session_.EndPage());
    EXPECT_NO_THROW(session_.Finish());

    const auto pdf = File("out.pdf");
    for (auto bad : {+[](WriterSession& s) { s.InsertImage(0, 0, 1, 1, "x.jpg"); },
                     +[](WriterSession& s) { s.BeginPage(0, 100); },
                     +[](WriterSession& s) { s.BeginPage(100, -1); },
                     +[](WriterSession& s) { s.BeginPage(1, 1), s.BeginPage(1, 1); }}) {
        session_.Init(pdf);
        EXPECT_THROW(bad(session_), PdfError);
        EXPECT_NO_THROW(session_.Finish());
        EXPECT_FALSE(std::filesystem::exists(pdf));
        EXPECT_TRUE(FolderContents().empty());
    }
}

TEST_F(WriterFailureTest, UnwritableOrInvalidOutputFailsAtOnce)
{
    EXPECT_THROW(session_.Init(File("no-such-folder") / "out.pdf"), PdfError);
    EXPECT_THROW(session_.Init(folder_), PdfError) << "a folder is not a file";
    EXPECT_THROW(session_.Init(""), PdfError);
    EXPECT_NO_THROW(session_.EndPage());
    EXPECT_NO_THROW(session_.Finish());

    const auto locked = File("locked");
    std::filesystem::create_directory(locked);
    chmod(locked.c_str(), 0500);
    if (::access(locked.c_str(), W_OK) != 0) {  // root may write anywhere
        EXPECT_THROW(session_.Init(locked / "out.pdf"), PdfError);
    }
    chmod(locked.c_str(), 0700);
}

TEST_F(WriterFailureTest, AnAbandonedDocumentLeavesNothingAndTheNextOneWorks)
{
    const auto jpeg = File("a.jpg");
    WriteBytes(jpeg, MakeJpeg(30, 20, 1));
    session_.Init(File("abandoned.pdf"));
    WriteFullPage(jpeg, 30, 20);
    session_.Init(File("out.pdf"));
    session_.BeginPage(30, 20);
    session_.InsertImage(0, 20, 30, 20, jpeg);
    session_.Finish();  // ends the open page itself
    EXPECT_EQ(FolderContents(), (std::vector<std::string>{"a.jpg", "out.pdf"}));
    ExpectSoundPdf(File("out.pdf"), {{30, 20}});
}

}  // namespace
}  // namespace quorlet::test
