// Shared set-up of the writer tests: a folder of their own per test and a
// session writing into it.
#pragma once

#include "pdf_tools.h"
#include "quorlet/writer_session.h"
#include "test_images.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quorlet::test {

class WriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ReaderToolsAvailable()) GTEST_SKIP() << "qpdf, poppler or MuPDF missing";
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = FreshFolder(std::string(info->test_suite_name()) + "-" + info->name());
    }

    std::filesystem::path File(const std::string& name) const { return folder_ / name; }

    // Names in the folder, to show that nothing was left behind.
    std::vector<std::string> FolderContents() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // One page of the image's pixel size with the image filling it.
    void WriteFullPage(const std::filesystem::path& image, int width, int height)
    {
        session_.BeginPage(width, height);
        session_.InsertImage(0, height, width, height, image);
        session_.EndPage();
    }

    std::filesystem::path folder_;
    WriterSession session_;
};

}  // namespace quorlet::test
