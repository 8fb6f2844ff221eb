#include "pdf/pdf_writer_binding.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace dravolt {
namespace {

void Dummy() {}

// A fake library: every name resolves except the ones listed as missing.
struct FakeLibrary {
    std::set<std::string> missing;
    std::vector<std::string> asked;
    void* operator()(const char* name)
    {
        asked.emplace_back(name);
        return missing.contains(name) ? nullptr : reinterpret_cast<void*>(&Dummy);
    }
};

TEST(PdfWriterBinding, BindsAllEightInStartupOrder)
{
    FakeLibrary library;
    const PdfWriterApi api = BindPdfWriter(std::ref(library));
    EXPECT_TRUE(api.Complete());
    EXPECT_EQ(library.asked, (std::vector<std::string>{
                                 "InitPDFDoc", "FinishPDFDoc", "BiginPDFPage", "EndPDFPage",
                                 "InsertPDFImage", "DrawPDFText", "SetCurColor",
                                 "InsertTiffIPDFmage"}));
}

TEST(PdfWriterBinding, AnyMissingEntryPointLeavesNothingCallable)
{
    for (const char* name : {"InitPDFDoc", "FinishPDFDoc", "BiginPDFPage", "EndPDFPage",
                             "InsertPDFImage", "DrawPDFText", "SetCurColor",
                             "InsertTiffIPDFmage"}) {
        FakeLibrary library{{name}, {}};
        const PdfWriterApi api = BindPdfWriter(std::ref(library));
        EXPECT_FALSE(api.Complete()) << name;
        EXPECT_EQ(api.InitPDFDoc, nullptr) << name;
        EXPECT_EQ(api.InsertPDFImage, nullptr) << name;
    }
}

TEST(PdfWriterBinding, WideTwinsAreBoundAllOrNone)
{
    FakeLibrary library;
    EXPECT_TRUE(BindPdfWriterWide(std::ref(library)).Complete());
    for (const char* name : {"InitPDFDocW", "InsertPDFImageW", "InsertTiffIPDFmageW"}) {
        FakeLibrary partial{{name}, {}};
        const PdfWriterWideApi api = BindPdfWriterWide(std::ref(partial));
        EXPECT_FALSE(api.Complete()) << name;
        EXPECT_EQ(api.InitPDFDocW, nullptr) << name;
    }
}

}  // namespace
}  // namespace dravolt
