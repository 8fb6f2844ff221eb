#include "sim_manager.h"

#include <algorithm>
#include <string>

#include "sim_items.h"

namespace wiasim {

CSimDeviceManager::CSimDeviceManager(std::shared_ptr<const Config> config)
    : config_(std::move(config))
{
}

CSimDeviceManager::~CSimDeviceManager()
{
    Record().managerReleaseThread = GetCurrentThreadId();
}

HRESULT CSimDeviceManager::EnumDeviceInfo(LONG, IEnumWIA_DEV_INFO** devices)
{
    NoteCall();
    if (!devices)
        return E_POINTER;
    std::vector<ComPtr<IWiaPropertyStorage>> entries;
    for (size_t i = 0; i < config_->devices.size(); ++i) {
        auto bag = DeviceInfoProperties(config_->devices[i], static_cast<int>(i));
        entries.push_back(MakeComObject<CSimPropertyStorage>(std::move(bag)));
    }
    *devices = MakeComObject<CSimDeviceInfoEnum>(std::move(entries)).Detach();
    return S_OK;
}

HRESULT CSimDeviceManager::CreateDevice(BSTR deviceId, IWiaItem** root)
{
    NoteCall();
    if (!root || !deviceId)
        return E_POINTER;
    *root = nullptr;
    for (size_t i = 0; i < config_->devices.size(); ++i) {
        const auto bag = DeviceInfoProperties(config_->devices[i], static_cast<int>(i));
        if (std::get<std::wstring>(bag->values.at(WIA_DIP_DEV_ID)) == deviceId) {
            *root = MakeDeviceTree(config_->devices[i], static_cast<int>(i)).Detach();
            return S_OK;
        }
    }
    return WIA_S_NO_DEVICE_AVAILABLE;
}

HRESULT CSimDeviceManager::Choose(HWND parent, LONG deviceType, LONG flags, int& index)
{
    WiaSimRecord& record = Record();
    InterlockedIncrement(&record.selectCalls);
    record.lastSelectParent = parent;
    record.lastSelectType = deviceType;
    record.lastSelectFlags = flags;
    const auto& answers = config_->answers;
    const ChooserAnswer answer =
        answers.empty() ? ChooserAnswer::Pick : answers[std::min(chooserCalls_++, answers.size() - 1)];
    if (answer == ChooserAnswer::Error)
        return WIA_ERROR_GENERAL_ERROR;
    const auto& devices = config_->devices;
    const auto found = std::find_if(devices.begin(), devices.end(), [&](const Device& device) {
        return deviceType == 0 || StiTypeOf(device.kind) == deviceType;
    });
    if (found == devices.end())
        return WIA_S_NO_DEVICE_AVAILABLE;
    if (answer == ChooserAnswer::Cancel)
        return S_FALSE;
    index = static_cast<int>(found - devices.begin());
    return S_OK;
}

HRESULT CSimDeviceManager::SelectDeviceDlg(HWND parent, LONG deviceType, LONG flags, BSTR* deviceId,
                                           IWiaItem** root)
{
    NoteCall();
    if (!root)
        return E_POINTER;
    *root = nullptr;
    if (deviceId)
        *deviceId = nullptr;
    int index = 0;
    const HRESULT result = Choose(parent, deviceType, flags, index);
    if (result != S_OK)
        return result;
    const Device& device = config_->devices[static_cast<size_t>(index)];
    if (deviceId) {
        const auto bag = DeviceInfoProperties(device, index);
        *deviceId = SysAllocString(std::get<std::wstring>(bag->values.at(WIA_DIP_DEV_ID)).c_str());
    }
    *root = MakeDeviceTree(device, index).Detach();
    return S_OK;
}

HRESULT CSimDeviceManager::SelectDeviceDlgID(HWND parent, LONG deviceType, LONG flags, BSTR* deviceId)
{
    NoteCall();
    if (!deviceId)
        return E_POINTER;
    *deviceId = nullptr;
    int index = 0;
    const HRESULT result = Choose(parent, deviceType, flags, index);
    if (result != S_OK)
        return result;
    const auto bag = DeviceInfoProperties(config_->devices[static_cast<size_t>(index)], index);
    *deviceId = SysAllocString(std::get<std::wstring>(bag->values.at(WIA_DIP_DEV_ID)).c_str());
    return S_OK;
}

}  // namespace wiasim
