// The simulated device manager: it lists the configured devices and answers
// the chooser without showing anything.
#pragma once

#include <windows.h>
#include <wia.h>

#include <memory>
#include <vector>

#include "sim_config.h"
#include "sim_enum.h"
#include "sim_properties.h"

namespace wiasim {

class CSimDeviceManager final : public CSimObject<IWiaDevMgr> {
public:
    explicit CSimDeviceManager(std::shared_ptr<const Config> config);
    ~CSimDeviceManager() override;

    HRESULT STDMETHODCALLTYPE EnumDeviceInfo(LONG flags, IEnumWIA_DEV_INFO** devices) override;
    HRESULT STDMETHODCALLTYPE CreateDevice(BSTR deviceId, IWiaItem** root) override;
    HRESULT STDMETHODCALLTYPE SelectDeviceDlg(HWND parent, LONG deviceType, LONG flags, BSTR* deviceId,
                                              IWiaItem** root) override;
    HRESULT STDMETHODCALLTYPE SelectDeviceDlgID(HWND parent, LONG deviceType, LONG flags,
                                                BSTR* deviceId) override;

    HRESULT STDMETHODCALLTYPE GetImageDlg(HWND, LONG, LONG, LONG, IWiaItem*, BSTR, GUID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RegisterEventCallbackProgram(LONG, BSTR, const GUID*, BSTR, BSTR, BSTR,
                                                           BSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RegisterEventCallbackInterface(LONG, BSTR, const GUID*, IWiaEventCallback*,
                                                             IUnknown**) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE RegisterEventCallbackCLSID(LONG, BSTR, const GUID*, const GUID*, BSTR, BSTR,
                                                         BSTR) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE AddDeviceDlg(HWND, LONG) override { return E_NOTIMPL; }

private:
    // The chooser's answer: the index of the device it picks, or a result.
    HRESULT Choose(HWND parent, LONG deviceType, LONG flags, int& index);

    std::shared_ptr<const Config> config_;
    size_t chooserCalls_ = 0;
};

using CSimDeviceInfoEnum = CSimEnum<IEnumWIA_DEV_INFO, IWiaPropertyStorage>;

}  // namespace wiasim
