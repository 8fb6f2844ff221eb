// One chosen scanner: its root item from the chooser, the item under it that
// delivers images, the device information and the reads the commands and
// the scan make on it. Lives on the scanner worker thread only.
#pragma once

#include <windows.h>
#include <wia.h>

#include <cstdint>
#include <optional>

#include "scan/com_win.h"
#include "scan/device_info.h"
#include "scan/device_rules.h"
#include "scan/scan_resolutions.h"
#include "scan/wia_item_array_win.h"

namespace dravolt {

class CScannerDevice {
public:
    CScannerDevice();
    CScannerDevice(const CScannerDevice&) = delete;
    CScannerDevice& operator=(const CScannerDevice&) = delete;

    // Finds the scan item depth first from `root`; on success keeps both
    // items, reads the device information and becomes valid.
    bool Bind(ComPtr<IWiaItem> root);

    bool IsValid() const { return valid_; }
    HWND ParentWindow() const { return parentWindow_; }  // not owned
    void SetParentWindow(HWND window) { parentWindow_ = window; }
    bool IsModernWindows() const { return modernWindows_; }
    bool NoDocumentHandling() const { return noDocumentHandling_; }
    const DeviceInfo& Info() const { return info_; }
    IWiaItem* ScanItem() const { return scanItem_.Get(); }
    IWiaItem* RootItem() const { return rootItem_.Get(); }

    // The transfer's record of the last intent and of the items chosen in
    // the device's own dialog.
    std::int32_t LastTransferIntent() const { return lastTransferIntent_; }
    void SetLastTransferIntent(std::int32_t intent) { lastTransferIntent_ = intent; }
    CWiaItemArray& StoredItems() { return storedItems_; }

    // The online check: valid, the scan item answers and is not
    // disconnected. Also notes whether document handling can be read.
    bool IsOnline();

    HandlingCapabilities ReadCapabilities() const;
    // The document handling selection, or -1 when it cannot be read.
    std::int32_t GetHandlingSelection() const;
    bool IsFeederSelected() const;
    bool IsFlatbedSelected() const;
    bool IsDuplexFeederSelected() const;

    // The scan item's resolutions; nothing when they cannot be read.
    std::optional<ResolutionReading> ReadResolutions() const;
    std::optional<std::int32_t> ReadCurrentResolution() const;
    std::optional<std::int32_t> ReadCurrentIntent() const;

private:
    std::optional<std::int32_t> ReadSelection() const;

    ComPtr<IWiaItem> scanItem_;
    ComPtr<IWiaItem> rootItem_;
    DeviceInfo info_;
    bool valid_ = false;
    HWND parentWindow_ = nullptr;  // not owned: the main window
    bool modernWindows_ = false;
    bool noDocumentHandling_ = false;
    std::int32_t lastTransferIntent_ = 0;
    CWiaItemArray storedItems_;
};

}  // namespace dravolt
