// The work of each scanner command, run on the scanner worker thread: the
// device manager, choosing a device, counting scanners, the online check and
// the capability bits. Every WIA object here is made and let go on that
// thread.
#pragma once

#include <windows.h>
#include <wia.h>

#include <functional>
#include <memory>

#include "scan/com_win.h"
#include "scan/scan_command.h"
#include "scan/scan_state.h"
#include "scan/scanner_device_win.h"

namespace dravolt {

class CScannerCommands {
public:
    // What the Scan command does; nothing until the transfer is wired in.
    using ScanHandler = std::function<void(CScannerCommands&)>;
    // Tells the user that no scanner can be found, owned by `owner`.
    using NoScannerPrompt = std::function<void(HWND owner)>;

    explicit CScannerCommands(ScanState& state);
    ~CScannerCommands();
    CScannerCommands(const CScannerCommands&) = delete;
    CScannerCommands& operator=(const CScannerCommands&) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }
    HWND Owner() const { return owner_; }  // not owned: the main window
    void SetScanHandler(ScanHandler handler) { scanHandler_ = std::move(handler); }
    void SetNoScannerPrompt(NoScannerPrompt prompt) { noScannerPrompt_ = std::move(prompt); }

    ScanState& State() { return state_; }
    CScannerDevice* Device() const { return device_.get(); }
    IWiaDevMgr* DeviceManager() const { return manager_.Get(); }

    // Runs one command; Idle does nothing.
    void RunScanCommand(ScanCommand code);

    // Discards the current device and runs the chooser: shown always, or
    // with `autoSelect` only when WIA cannot pick the one scanner itself.
    // E_INVALIDARG without a device manager.
    HRESULT SelectDevice(bool autoSelect);
    // Creates the device manager once, then counts the scanners.
    void EnumerateDevices();
    // Drops the device (a scan that finds it offline).
    void DiscardDevice() { device_.reset(); }
    void ShowNoScannerPrompt() const;

    // Lets go of the device, then the device manager, on this thread. The
    // worker does this before it leaves its apartment.
    void ReleaseAll();
    // Forgets every WIA reference without releasing it: their apartment's
    // thread was ended and a release from elsewhere could hang or crash.
    void AbandonAll();

private:
    void SelectDeviceCommand();
    void CheckDevice();
    void PrepareSettings();
    void ReadResolutionsOfDevice();

    ScanState& state_;
    HWND owner_ = nullptr;  // not owned
    ComPtr<IWiaDevMgr> manager_;
    bool managerTried_ = false;  // never created again after a failure
    std::unique_ptr<CScannerDevice> device_;
    ScanHandler scanHandler_;
    NoScannerPrompt noScannerPrompt_;
};

}  // namespace dravolt
