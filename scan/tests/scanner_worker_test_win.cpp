// The scanner worker against the simulated scanner, reached through the
// program's own device-manager seam: counting scanners, choosing one, its
// resolutions, online check and capability bits, the hand-over's refusals,
// crashes inside a command, and the stop that lets go of every WIA object on
// the worker's own thread.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "scan/device_manager_win.h"
#include "scan/scan_texts.h"
#include "scan/scanner_worker_win.h"
#include "scan/tests/worker_test_support_win.h"

namespace dravolt {
namespace {

using test::CMessageBoxWatcher;
using test::COwnerWindow;
using test::PumpUntil;
using test::SimRecord;
using RunResult = CScannerWorker::RunResult;
using Values = std::vector<std::int32_t>;

class ScannerWorkerTest : public testing::Test {
protected:
    void SetUp() override
    {
        WiaSimRecord& record = SimRecord();
        liveBefore_ = record.liveObjects;
        record.foreignCalls = 0;
        record.factoryCalls = 0;
        record.selectCalls = 0;
        record.managerReleaseThread = 0;
    }
    void TearDown() override
    {
        worker_.reset();
        SetEnvironmentVariableW(kSimulatedScannerVariable, nullptr);
    }

    // A started worker on a simulator configuration, devices counted.
    CScannerWorker& StartWith(const wchar_t* configuration)
    {
        worker_.reset();
        SetEnvironmentVariableW(kSimulatedScannerVariable, configuration);
        worker_ = std::make_unique<CScannerWorker>();
        EXPECT_TRUE(worker_->Start(owner_.Handle()));
        EXPECT_EQ(worker_->Run(ScanCommand::EnumerateDevices, false), RunResult::Done);
        return *worker_;
    }
    // A started worker with a device chosen.
    CScannerWorker& SelectedWith(const wchar_t* configuration)
    {
        CScannerWorker& worker = StartWith(configuration);
        EXPECT_EQ(worker.Run(ScanCommand::SelectDevice, true), RunResult::Done);
        return worker;
    }

    COwnerWindow owner_;
    std::unique_ptr<CScannerWorker> worker_;
    LONG liveBefore_ = 0;
};

TEST_F(ScannerWorkerTest, EnumerationCountsScannersOnly)
{
    struct Case {
        const wchar_t* configuration;
        bool present;
    };
    for (const Case& c : std::vector<Case>{{L"flatbed", true},
                                           {L"camera", false},
                                           {L"none", false},
                                           {L"camera duplex", true},
                                           {L"flatbd", false},  // a typo simulates nothing
                                           {L"nomanager", false}}) {
        SCOPED_TRACE(testing::Message() << c.configuration);
        EXPECT_EQ(StartWith(c.configuration).State().scannersPresent, c.present);
        EXPECT_EQ(SimRecord().selectCalls, 0);  // counting shows nothing
    }
}

TEST_F(ScannerWorkerTest, WithoutTheVariableTheSystemDeviceManagerIsAsked)
{
    SetEnvironmentVariableW(kSimulatedScannerVariable, nullptr);
    CScannerWorker worker;
    ASSERT_TRUE(worker.Start(owner_.Handle()));
    EXPECT_EQ(worker.Run(ScanCommand::EnumerateDevices, false), RunResult::Done);
    EXPECT_EQ(SimRecord().factoryCalls, 0);  // although the simulator lies beside the program
    EXPECT_FALSE(worker.State().scannersPresent);
}

TEST_F(ScannerWorkerTest, WithoutADeviceManagerNothingIsCreatedAgainOrClaimed)
{
    CScannerWorker& worker = StartWith(L"nomanager");
    CMessageBoxWatcher boxes(worker.WorkerThreadId(), owner_.Handle());
    EXPECT_EQ(worker.Run(ScanCommand::EnumerateDevices, false), RunResult::Done);
    EXPECT_EQ(worker.Run(ScanCommand::SelectDevice, true), RunResult::Done);
    EXPECT_EQ(SimRecord().factoryCalls, 1);
    EXPECT_EQ(worker.Device(), nullptr);
    // Nothing is known about scanners, so none is claimed to exist, and the
    // user who asked for one hears that none can be reached.
    EXPECT_FALSE(worker.State().scannersPresent);
    EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{kNoScannerText});
}

TEST_F(ScannerWorkerTest, AFailingChooserKeepsWhatIsKnownAboutScanners)
{
    struct Case {
        const wchar_t* configuration;
        bool present;  // after the enumeration, and still after the failure
        bool told;     // the no-scanner message was shown
    };
    for (const Case& c : std::vector<Case>{{L"flatbed error", true, false}, {L"camera error", false, true}}) {
        CScannerWorker& worker = StartWith(c.configuration);
        CMessageBoxWatcher boxes(worker.WorkerThreadId(), owner_.Handle());
        EXPECT_EQ(worker.Run(ScanCommand::EnumerateDevices, false), RunResult::Done);
        EXPECT_EQ(worker.Run(ScanCommand::SelectDevice, true), RunResult::Done);
        EXPECT_EQ(worker.State().scannersPresent, c.present) << c.configuration;
        EXPECT_EQ(boxes.Texts().size(), c.told ? 1u : 0u) << c.configuration;
        EXPECT_EQ(worker.Device(), nullptr);
    }
}

TEST_F(ScannerWorkerTest, SelectDeviceChoosesAScannerAndReadsItsResolutions)
{
    struct Case {
        const wchar_t* configuration;
        std::int32_t intent;
        Values resolutions;
        std::int32_t current;
    };
    for (const Case& c : std::vector<Case>{
             // Black and white below 300 takes the first legible value.
             {L"flatbed resolutions=100,200,300,600 nominal=200 xres=200", kIntentText, {100, 200, 300, 600}, 300},
             {L"flatbed resolutions=100,200,300,600 nominal=200 xres=200", kIntentColor, {100, 200, 300, 600}, 200},
             {L"feeder resolutions=75,150 nominal=75", kIntentText, {75, 150}, 75},
             {L"flatbed range=75,150,1200,75", kIntentGrayscale, {75, 150, 300, 600, 1200}, 150},
             // A list whose count overruns it is not read; the current value is.
             {L"flatbed resolutions=75,150 count=9 xres=200", kIntentColor, {}, 200}}) {
        SCOPED_TRACE(testing::Message() << c.configuration << " intent " << c.intent);
        CScannerWorker& worker = StartWith(c.configuration);
        worker.State().scanIntent = c.intent;
        worker.State().settingsPending = false;
        EXPECT_EQ(worker.Run(ScanCommand::SelectDevice, true), RunResult::Done);
        ASSERT_NE(worker.Device(), nullptr);
        EXPECT_TRUE(worker.Device()->IsValid());
        EXPECT_EQ(worker.State().resolutions, c.resolutions);
        EXPECT_EQ(worker.State().currentResolution, c.current);
        EXPECT_TRUE(worker.State().deviceOnline);
        EXPECT_TRUE(worker.State().settingsPending);
        EXPECT_EQ(SimRecord().lastSelectFlags, WIA_SELECT_DEVICE_NODEFAULT);  // always shown
        EXPECT_EQ(SimRecord().lastSelectType, 1);
        EXPECT_EQ(SimRecord().lastSelectParent, owner_.Handle());
        EXPECT_EQ(worker.Device()->ParentWindow(), owner_.Handle());
    }
}

TEST_F(ScannerWorkerTest, BindingReadsTheDeviceRecordAndFindsTheImageItemDepthFirst)
{
    CScannerWorker& flatbed = SelectedWith(L"camera flatbed nested");
    ASSERT_NE(flatbed.Device(), nullptr);
    EXPECT_TRUE(flatbed.Device()->IsValid());
    const DeviceInfo& info = flatbed.Device()->Info();
    EXPECT_TRUE(info.IsScanner());
    EXPECT_EQ(info.deviceId, L"SIMULATED\\0002");
    EXPECT_EQ(info.name, L"Simulated Flatbed Scanner 2");
    EXPECT_EQ(info.hardwareConfig, 0);

    CScannerWorker& odd = SelectedWith(L"flatbed wrongtypes");
    EXPECT_FALSE(odd.Device()->Info().name);  // given as a number
    EXPECT_FALSE(odd.Device()->Info().hardwareConfig);
    EXPECT_EQ(odd.Device()->Info().vendor, L"Dravolt test tools");

    // Without an image item the device exists but is never valid or online.
    CScannerWorker& empty = SelectedWith(L"flatbed noitem");
    ASSERT_NE(empty.Device(), nullptr);
    EXPECT_FALSE(empty.Device()->IsValid());
    EXPECT_FALSE(empty.State().deviceOnline);
}

TEST_F(ScannerWorkerTest, CancellingTheChooserLeavesNoDeviceAndShowsNothing)
{
    CScannerWorker& worker = SelectedWith(L"flatbed pick cancel");
    ASSERT_NE(worker.Device(), nullptr);
    CMessageBoxWatcher boxes(worker.WorkerThreadId(), owner_.Handle());
    EXPECT_EQ(worker.Run(ScanCommand::SelectDevice, true), RunResult::Done);
    EXPECT_EQ(worker.Device(), nullptr);
    EXPECT_TRUE(worker.State().scannersPresent);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ScannerWorkerTest, WithoutAScannerTheUserIsTold)
{
    struct Case {
        ScanCommand command;
        const wchar_t* text;
        LONG selectFlags;
    };
    for (const Case& c : std::vector<Case>{
             {ScanCommand::SelectDevice, kNoScannerText, WIA_SELECT_DEVICE_NODEFAULT},
             {ScanCommand::PrepareSettings, kNoScannerForSettingsText, 0}}) {
        CScannerWorker& worker = StartWith(L"camera");
        CMessageBoxWatcher boxes(worker.WorkerThreadId(), owner_.Handle());
        EXPECT_EQ(worker.Run(c.command, true), RunResult::Done);
        EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{c.text});
        EXPECT_EQ(SimRecord().lastSelectFlags, c.selectFlags);
        EXPECT_FALSE(worker.State().scannersPresent);
        EXPECT_EQ(worker.Device(), nullptr);
        EXPECT_EQ(worker.State().capabilities, 0u);
    }
}

TEST_F(ScannerWorkerTest, CheckDeviceRefreshesTheOnlineFlag)
{
    CScannerWorker& none = StartWith(L"flatbed");
    none.State().deviceOnline = true;
    EXPECT_EQ(none.Run(ScanCommand::CheckDevice, true), RunResult::Done);
    EXPECT_FALSE(none.State().deviceOnline);  // no device chosen

    CScannerWorker& offline = SelectedWith(L"flatbed offline");
    ASSERT_NE(offline.Device(), nullptr);
    EXPECT_FALSE(offline.State().deviceOnline);
    offline.State().deviceOnline = true;
    EXPECT_EQ(offline.Run(ScanCommand::CheckDevice, true), RunResult::Done);
    EXPECT_FALSE(offline.State().deviceOnline);

    CScannerWorker& old = SelectedWith(L"flatbed nohandling");
    EXPECT_EQ(old.Run(ScanCommand::CheckDevice, true), RunResult::Done);
    EXPECT_TRUE(old.State().deviceOnline);
    EXPECT_TRUE(old.Device()->NoDocumentHandling());

    CScannerWorker& modern = SelectedWith(L"duplex");
    EXPECT_EQ(modern.Run(ScanCommand::CheckDevice, true), RunResult::Done);
    EXPECT_TRUE(modern.State().deviceOnline);
    EXPECT_FALSE(modern.Device()->NoDocumentHandling());
}

TEST_F(ScannerWorkerTest, PrepareSettingsChoosesADeviceAndCollectsItsCapabilityBits)
{
    struct Case {
        const wchar_t* configuration;
        std::uint32_t bits;
        bool feeder, flatbed, duplex;  // the selection
    };
    for (const Case& c : std::vector<Case>{{L"flatbed", kCanFlatbed, false, true, false},
                                           {L"feeder", kCanFlatbed | kCanFeed, true, false, false},
                                           {L"duplex", kCanFlatbed | kCanFeed | kCanDuplex, true, false, true},
                                           {L"sheetfeed", 0, true, false, false},
                                           {L"flatbed offline", 0, false, true, false},
                                           {L"flatbed nohandling", 0, false, false, false}}) {
        SCOPED_TRACE(testing::Message() << c.configuration);
        CScannerWorker& worker = StartWith(c.configuration);
        EXPECT_EQ(worker.Run(ScanCommand::PrepareSettings, true), RunResult::Done);
        EXPECT_EQ(SimRecord().lastSelectFlags, 0);  // the only scanner, picked without asking
        EXPECT_EQ(worker.State().capabilities, c.bits);
        ASSERT_NE(worker.Device(), nullptr);
        EXPECT_EQ(worker.Device()->IsFeederSelected(), c.feeder);
        EXPECT_EQ(worker.Device()->IsFlatbedSelected(), c.flatbed);
        EXPECT_EQ(worker.Device()->IsDuplexFeederSelected(), c.duplex);
        EXPECT_EQ(worker.Device()->GetHandlingSelection() == -1, !c.feeder && !c.flatbed);
    }
}

TEST_F(ScannerWorkerTest, ARunIsRefusedWithoutAWorkerThread)
{
    CScannerWorker never;
    EXPECT_FALSE(never.IsRunning());
    EXPECT_EQ(never.Run(ScanCommand::SelectDevice, true), RunResult::Refused);
    EXPECT_TRUE(never.IsIdle());

    CScannerWorker& stopped = StartWith(L"flatbed");
    EXPECT_TRUE(stopped.IsRunning());
    stopped.Stop();
    EXPECT_FALSE(stopped.IsRunning());
    EXPECT_EQ(stopped.Run(ScanCommand::CheckDevice, true), RunResult::Refused);
    EXPECT_FALSE(stopped.Start(owner_.Handle()));
}

TEST_F(ScannerWorkerTest, ASecondRunFromAMessageDispatchedByTheWaitIsRefused)
{
    CScannerWorker& worker = StartWith(L"flatbed");
    HANDLE innerDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    RunResult inner = RunResult::Done;
    DWORD scanThread = 0;
    owner_.onApp = [&] {
        inner = worker.Run(ScanCommand::SelectDevice, true);
        SetEvent(innerDone);
    };
    worker.Commands().SetScanHandler([&](CScannerCommands&) {
        scanThread = GetCurrentThreadId();
        PostMessageW(owner_.Handle(), WM_APP, 0, 0);
        WaitForSingleObject(innerDone, 20000);
    });
    EXPECT_EQ(worker.Run(ScanCommand::Scan, true), RunResult::Done);
    EXPECT_EQ(WaitForSingleObject(innerDone, 0), WAIT_OBJECT_0);
    EXPECT_EQ(inner, RunResult::Refused);
    EXPECT_EQ(scanThread, worker.WorkerThreadId());
    EXPECT_EQ(SimRecord().selectCalls, 0);  // the refused command never ran
    EXPECT_TRUE(worker.IsIdle());
    EXPECT_EQ(worker.Run(ScanCommand::NoOperation, true), RunResult::Done);
    CloseHandle(innerDone);
}

TEST_F(ScannerWorkerTest, AQuitTakenWhileWaitingIsPostedAgainAfterTheCommand)
{
    CScannerWorker& worker = StartWith(L"flatbed");
    const DWORD uiThread = GetCurrentThreadId();
    HANDLE pumped = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    owner_.onApp = [&] { SetEvent(pumped); };
    worker.Commands().SetScanHandler([&](CScannerCommands&) {
        PostThreadMessageW(uiThread, WM_QUIT, 7, 0);
        PostMessageW(owner_.Handle(), WM_APP, 0, 0);
        WaitForSingleObject(pumped, 20000);  // the wait goes on pumping after the quit
    });
    EXPECT_EQ(worker.Run(ScanCommand::Scan, true), RunResult::Done);
    EXPECT_EQ(WaitForSingleObject(pumped, 0), WAIT_OBJECT_0);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    CloseHandle(pumped);
}

TEST_F(ScannerWorkerTest, ACrashOrExceptionInACommandEndsItAndTellsTheUser)
{
    const std::vector<std::function<void()>> faults{
        [] { *static_cast<volatile int*>(nullptr) = 1; },
        [] { throw std::runtime_error("driver"); }};
    for (const auto& fault : faults) {
        CScannerWorker& worker = SelectedWith(L"flatbed");
        CMessageBoxWatcher boxes(worker.WorkerThreadId(), owner_.Handle());
        worker.Commands().SetScanHandler([&](CScannerCommands&) { fault(); });
        EXPECT_EQ(worker.Run(ScanCommand::Scan, true), RunResult::Done);
        EXPECT_TRUE(worker.IsIdle());
        EXPECT_TRUE(PumpUntil([&] { return !boxes.Texts().empty(); }));
        EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{kScanFailedText});
        // The worker goes on with the next command.
        EXPECT_EQ(worker.Run(ScanCommand::CheckDevice, true), RunResult::Done);
        EXPECT_TRUE(worker.State().deviceOnline);
    }
}

TEST_F(ScannerWorkerTest, StopLetsGoOfEveryWiaObjectOnTheWorkerThread)
{
    CScannerWorker& worker = SelectedWith(L"duplex");
    ASSERT_NE(worker.Device(), nullptr);
    const DWORD workerThread = worker.WorkerThreadId();
    worker.Stop();
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(SimRecord().managerReleaseThread, workerThread);
    EXPECT_EQ(SimRecord().liveObjects, liveBefore_);
    EXPECT_EQ(SimRecord().foreignCalls, 0);
}

TEST_F(ScannerWorkerTest, StopEndsAWorkerStuckInACommand)
{
    CScannerWorker& worker = StartWith(L"flatbed");
    HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    owner_.onApp = [&] { worker.Stop(); };  // the window closes while the command runs
    worker.Commands().SetScanHandler([&](CScannerCommands&) {
        PostMessageW(owner_.Handle(), WM_APP, 0, 0);
        WaitForSingleObject(never, INFINITE);
    });
    EXPECT_EQ(worker.Run(ScanCommand::Scan, true), RunResult::Done);
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(WaitForSingleObject(never, 0), WAIT_TIMEOUT);
    EXPECT_EQ(worker.Run(ScanCommand::NoOperation, true), RunResult::Refused);
    CloseHandle(never);
}

}  // namespace
}  // namespace dravolt
