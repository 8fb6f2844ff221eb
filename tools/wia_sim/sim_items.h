// Simulated WIA items: a device's root folder and the items under it, each
// with its own properties, and the enumeration of an item's children.
#pragma once

#include <windows.h>
#include <wia.h>

#include <memory>
#include <vector>

#include "sim_config.h"
#include "sim_enum.h"
#include "sim_properties.h"

namespace wiasim {

class CSimItem final : public CSimObject<IWiaItem> {
public:
    CSimItem(LONG type, std::shared_ptr<PropertyBag> properties);
    void AddChild(ComPtr<CSimItem> child) { children_.push_back(std::move(child)); }

    HRESULT STDMETHODCALLTYPE GetItemType(LONG* type) override;
    HRESULT STDMETHODCALLTYPE EnumChildItems(IEnumWiaItem** children) override;

    HRESULT STDMETHODCALLTYPE AnalyzeItem(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteItem(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateChildItem(LONG, BSTR, BSTR, IWiaItem**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumRegisterEventInfo(LONG, const GUID*, IEnumWIA_DEV_CAPS**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindItemByName(LONG, BSTR, IWiaItem**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeviceDlg(HWND, LONG, LONG, LONG*, IWiaItem***) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeviceCommand(LONG, const GUID*, IWiaItem**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRootItem(IWiaItem**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDeviceCapabilities(LONG, IEnumWIA_DEV_CAPS**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DumpItemData(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DumpDrvItemData(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DumpTreeItemData(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Diagnostic(ULONG, BYTE*) override { return E_NOTIMPL; }

protected:
    HRESULT QueryOther(REFIID iid, void** object) override;

private:
    LONG type_;
    std::shared_ptr<PropertyBag> properties_;
    std::vector<ComPtr<CSimItem>> children_;
};

using CSimItemEnum = CSimEnum<IEnumWiaItem, IWiaItem>;

// The device information properties of the device at `index`.
std::shared_ptr<PropertyBag> DeviceInfoProperties(const Device& device, int index);
// The STI device type of a kind (the high word of the device type).
LONG StiTypeOf(DeviceKind kind);
// A fresh item tree for the device at `index`.
ComPtr<CSimItem> MakeDeviceTree(const Device& device, int index);

}  // namespace wiasim
