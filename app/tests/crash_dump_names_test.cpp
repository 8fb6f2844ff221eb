#include "app/crash_dump_names.h"

#include <gtest/gtest.h>

namespace dravolt {
namespace {

std::tm At(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(CrashDumpNames, StampDropsUnitsOfSeconds)
{
    EXPECT_EQ(DumpTimeStamp(At(2026, 3, 3, 8, 5, 37)), L"2026-03-03 08.05.3");
    EXPECT_EQ(DumpTimeStamp(At(2026, 12, 31, 23, 59, 59)), L"2026-12-31 23.59.5");
}

TEST(CrashDumpNames, PathJoinsPartsWithoutSeparator)
{
    EXPECT_EQ(DumpFilePath(L"C:\\Apps\\", L"Dravolt", At(2026, 3, 3, 8, 5, 37)),
              L"C:\\Apps\\Dravolt2026-03-03 08.05.3.dmp");
}

TEST(CrashDumpNames, UnsafeCharactersBecomeDots)
{
    EXPECT_EQ(CleanDumpName(L"a\"b*c/d:e<f>g?h\\i|j"), L"a.b.c.d.e.f.g.h.i.j");
    EXPECT_EQ(CleanDumpName(L"ThreadProc"), L"ThreadProc");
}

}  // namespace
}  // namespace dravolt
