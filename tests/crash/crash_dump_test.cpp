// Runs the crash probe from a fresh folder and looks at the dumps it leaves.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "app/module_path_win.h"

namespace fs = std::filesystem;

namespace {

struct ProbeRun {
    DWORD exitCode = 0;
    std::vector<std::string> dumps;  // file names of the *.dmp files left
};

// Copies the probe into its own folder, runs it with `arguments` and collects
// the dump files written beside it.
fs::path CaseFolder(const std::wstring& caseName)
{
    return fs::temp_directory_path() / (L"dravolt-crash-" + caseName);
}

ProbeRun RunProbeIn(const fs::path& folder, const std::wstring& arguments)
{
    const fs::path source = fs::path(dravolt::ModulePath(nullptr)).parent_path() / L"crash_probe.exe";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(source, folder / L"crash_probe.exe");

    std::wstring commandLine = L"\"" + (folder / L"crash_probe.exe").wstring() + L"\" " + arguments;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    ProbeRun run;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start the probe";
        return run;
    }
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        ADD_FAILURE() << "the probe hung";
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == L".dmp")
            run.dumps.push_back(entry.path().filename().string());
    }
    std::sort(run.dumps.begin(), run.dumps.end());
    return run;
}

ProbeRun RunProbe(const std::wstring& caseName, const std::wstring& arguments)
{
    return RunProbeIn(CaseFolder(caseName), arguments);
}

bool IsMinidump(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    char signature[4] = {};
    file.read(signature, 4);
    return std::string(signature, 4) == "MDMP";
}

const std::regex kStamp(R"(\d{4}-\d\d-\d\d \d\d\.\d\d\.\d\.dmp)");

TEST(CrashDump, CrashWritesOneDumpNamedAfterTheProgram)
{
    const ProbeRun run = RunProbe(L"main", L"");
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::string& name = run.dumps[0];
    ASSERT_EQ(name.rfind("crash_probe", 0), 0u) << name;
    EXPECT_TRUE(std::regex_match(name.substr(11), kStamp)) << name;
    EXPECT_TRUE(IsMinidump(fs::temp_directory_path() / L"dravolt-crash-main" / name));
}

TEST(CrashDump, GuardedThreadDumpsFirstThenTheProgramEnds)
{
    const ProbeRun run = RunProbe(L"thread", L"DBGHELP.DLL thread");
    EXPECT_EQ(run.exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(run.dumps[0].rfind("ThreadProc", 0), 0u) << run.dumps[0];
    EXPECT_EQ(run.dumps[1].rfind("crash_probe", 0), 0u) << run.dumps[1];
}

TEST(CrashDump, NothingInstalledWithoutTheDumpExport)
{
    // kernel32 loads but has no MiniDumpWriteDump; the other does not exist.
    for (const wchar_t* library : {L"kernel32.dll", L"no-such-debug-library.dll"}) {
        const ProbeRun run = RunProbe(std::wstring(L"without-") + library, library);
        EXPECT_NE(run.exitCode, 0u);
        EXPECT_TRUE(run.dumps.empty()) << testing::PrintToString(run.dumps);
    }
}

}  // namespace
