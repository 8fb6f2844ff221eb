#include "app/startup_texts.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace dravolt {
namespace {

TEST(StartupTexts, OutOfMemoryShowsFullSize)
{
    EXPECT_EQ(OutOfMemoryText(1024), L"Allocate memory for block size:1024 was failed");
    // Sizes beyond 32 bits must not wrap or turn negative.
    EXPECT_EQ(OutOfMemoryText(SIZE_MAX), L"Allocate memory for block size:" +
                                             std::to_wstring(SIZE_MAX) + L" was failed");
    EXPECT_EQ(OutOfMemoryText(std::size_t{5} << 32),
              L"Allocate memory for block size:21474836480 was failed");
}

TEST(StartupTexts, InvalidParameterToleratesNullTexts)
{
    EXPECT_EQ(InvalidParameterText(L"wcscpy_s", L"x.c", L"dst != 0", 42),
              L"Invalida paramters for function:wcscpy_s file:x.c expression:dst != 0 line:42");
    EXPECT_EQ(InvalidParameterText(nullptr, nullptr, nullptr, 0),
              L"Invalida paramters for function: file: expression: line:0");
}

TEST(StartupTexts, FolderAndBaseName)
{
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* base;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Dravolt\\Dravolt.exe", L"C:\\Program Files\\Dravolt\\", L"Dravolt"},
        {L"Dravolt.exe", L"", L"Dravolt"},
        {L"C:\\a.b\\prog", L"C:\\a.b\\", L"prog"},
        {L"\\\\?\\C:\\deep\\x.tar.exe", L"\\\\?\\C:\\deep\\", L"x.tar"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderOfPath(c.path), c.folder);
        EXPECT_EQ(BaseNameOfPath(c.path), c.base);
    }
}

}  // namespace
}  // namespace dravolt
