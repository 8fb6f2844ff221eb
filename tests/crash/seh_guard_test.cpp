#include "app/seh_guard_win.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace dravolt {
namespace {

void AccessViolation()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

struct Recorder {
    std::vector<std::string>* log;
    const char* name;
    LONG result;
    DWORD code = 0;
    static LONG Filter(void* self, EXCEPTION_POINTERS* exception)
    {
        auto* recorder = static_cast<Recorder*>(self);
        recorder->log->push_back(recorder->name);
        recorder->code = exception->ExceptionRecord->ExceptionCode;
        return recorder->result;
    }
};

TEST(SehGuard, HandledAccessViolationEndsOnlyTheGuardedCall)
{
    std::vector<std::string> log;
    Recorder guard{&log, "guard", EXCEPTION_EXECUTE_HANDLER};
    bool after = false;
    const bool completed = RunGuarded([&] {
        AccessViolation();
        after = true;
    }, &Recorder::Filter, &guard);
    EXPECT_FALSE(completed);
    EXPECT_FALSE(after);
    EXPECT_EQ(guard.code, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    // The thread goes on normally and can be guarded again.
    EXPECT_TRUE(RunGuarded([] {}, &Recorder::Filter, &guard));
    EXPECT_FALSE(RunGuarded([] { AccessViolation(); }, &Recorder::Filter, &guard));
    EXPECT_EQ(log.size(), 2u);
}

TEST(SehGuard, CrashPassesFromInnerToOuterGuard)
{
    std::vector<std::string> log;
    Recorder outer{&log, "outer", EXCEPTION_EXECUTE_HANDLER};
    Recorder inner{&log, "inner", EXCEPTION_CONTINUE_SEARCH};
    bool innerCompleted = true;
    const bool outerCompleted = RunGuarded([&] {
        innerCompleted = RunGuarded([] { AccessViolation(); }, &Recorder::Filter, &inner);
    }, &Recorder::Filter, &outer);
    EXPECT_FALSE(outerCompleted);
    EXPECT_EQ(log, (std::vector<std::string>{"inner", "outer"}));
}

TEST(SehGuard, GuardsBelongToTheirThread)
{
    std::vector<std::string> log;
    Recorder guard{&log, "worker", EXCEPTION_EXECUTE_HANDLER};
    bool completed = true;
    std::thread worker([&] { completed = RunGuarded([] { AccessViolation(); }, &Recorder::Filter, &guard); });
    worker.join();
    EXPECT_FALSE(completed);
    EXPECT_EQ(log, (std::vector<std::string>{"worker"}));
}

TEST(SehGuard, CppExceptionsAreNotItsBusiness)
{
    std::vector<std::string> log;
    Recorder guard{&log, "guard", EXCEPTION_EXECUTE_HANDLER};
    bool caught = false;
    RunGuarded([&] {
        try {
            throw std::runtime_error("handled inside");
        } catch (const std::exception&) {
            caught = true;
        }
    }, &Recorder::Filter, &guard);
    EXPECT_TRUE(caught);
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace dravolt
