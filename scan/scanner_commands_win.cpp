#include "scan/scanner_commands_win.h"

#include "framework/application_win.h"
#include "scan/device_manager_win.h"
#include "scan/scan_texts.h"
#include "scan/wia_properties_win.h"

namespace dravolt {

CScannerCommands::CScannerCommands(ScanState& state) : state_(state) {}

CScannerCommands::~CScannerCommands() = default;

void CScannerCommands::RunScanCommand(ScanCommand code)
{
    switch (code) {
    case ScanCommand::Scan:
        if (scanHandler_)
            scanHandler_(*this);
        break;
    case ScanCommand::SelectDevice:
        SelectDeviceCommand();
        break;
    case ScanCommand::CheckDevice:
        CheckDevice();
        break;
    case ScanCommand::PrepareSettings:
        PrepareSettings();
        break;
    case ScanCommand::EnumerateDevices:
        EnumerateDevices();
        break;
    case ScanCommand::Idle:
    case ScanCommand::NoOperation:
        break;
    }
}

HRESULT CScannerCommands::SelectDevice(bool autoSelect)
{
    device_.reset();  // gone even when the user then cancels
    // Without a device manager nothing is known about scanners, so the
    // presence flag keeps what the enumeration found.
    if (!manager_)
        return E_INVALIDARG;
    UniqueBstr deviceId;  // not used: the root item is the device
    ComPtr<IWiaItem> root;
    const LONG flags = autoSelect ? 0 : WIA_SELECT_DEVICE_NODEFAULT;
    const HRESULT result = manager_->SelectDeviceDlg(owner_, kStiScanner, flags,
                                                     deviceId.Put(), root.GetAddressOf());
    if (result == S_OK) {
        auto device = std::make_unique<CScannerDevice>();
        device->Bind(std::move(root));
        device->SetParentWindow(owner_);
        device_ = std::move(device);
    }
    // A chooser that answered (picked or cancelled) knows of a scanner; one
    // that failed says nothing about scanners, so the flag keeps its value.
    if (result == WIA_S_NO_DEVICE_AVAILABLE)
        state_.scannersPresent = false;
    else if (SUCCEEDED(result))
        state_.scannersPresent = true;
    return result;
}

void CScannerCommands::EnumerateDevices()
{
    if (!manager_ && !managerTried_) {
        managerTried_ = true;
        if (FAILED(CreateDeviceManager(manager_)))
            manager_.Reset();
    }
    if (!manager_)
        return;
    ComPtr<IEnumWIA_DEV_INFO> devices;
    int scanners = 0;
    if (SUCCEEDED(manager_->EnumDeviceInfo(WIA_DEVINFO_ENUM_LOCAL, devices.GetAddressOf())) && devices) {
        ULONG count = 0;
        devices->GetCount(&count);
        devices->Reset();
        for (;;) {
            ComPtr<IWiaPropertyStorage> entry;
            ULONG fetched = 0;
            if (devices->Next(1, entry.GetAddressOf(), &fetched) != S_OK || !entry)
                break;
            DeviceInfo info;
            if (ReadDeviceInfo(CStoragePropertySource(entry.Get()), info))
                ++scanners;
        }
    }
    state_.scannersPresent = scanners != 0;
}

void CScannerCommands::ShowNoScannerPrompt() const
{
    if (noScannerPrompt_)
        noScannerPrompt_(owner_);
    else
        FrameworkMessageBox(owner_, kNoScannerText, MB_OK);
}

void CScannerCommands::SelectDeviceCommand()
{
    const HRESULT result = SelectDevice(false);
    // A chooser that cannot even start, with no scanner known, leaves the
    // user as alone as one that finds none.
    if (result == WIA_S_NO_DEVICE_AVAILABLE || (FAILED(result) && !state_.scannersPresent)) {
        ShowNoScannerPrompt();
        return;
    }
    if (result != S_OK || !device_)
        return;
    ReadResolutionsOfDevice();
    state_.deviceOnline = device_->IsOnline();
    state_.settingsPending = true;
}

void CScannerCommands::ReadResolutionsOfDevice()
{
    if (auto reading = device_->ReadResolutions()) {
        state_.resolutions = std::move(reading->values);
        state_.currentResolution = reading->current;
    }
    if (const auto current = device_->ReadCurrentResolution())
        state_.currentResolution = *current;
    state_.currentResolution =
        PreferredResolution(state_.scanIntent, state_.resolutions, state_.currentResolution);
}

void CScannerCommands::CheckDevice()
{
    state_.deviceOnline = device_ && device_->IsOnline();
}

void CScannerCommands::PrepareSettings()
{
    if (!device_ && SelectDevice(true) == WIA_S_NO_DEVICE_AVAILABLE)
        FrameworkMessageBox(owner_, kNoScannerForSettingsText, MB_OK | MB_ICONINFORMATION);
    if (device_ && device_->IsOnline())
        state_.capabilities |= CapabilityBits(device_->ReadCapabilities());
}

void CScannerCommands::ReleaseAll()
{
    device_.reset();
    manager_.Reset();
}

void CScannerCommands::AbandonAll()
{
    if (device_) {
        // The device's members hold the references; keep the object itself.
        static_cast<void>(device_.release());
    }
    static_cast<void>(manager_.Detach());
}

}  // namespace dravolt
