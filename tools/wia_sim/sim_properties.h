// Simulated WIA properties: a bag of numbers and texts with the valid
// values of some of them, and the property storage that reads and writes it.
#pragma once

#include <windows.h>
#include <wia.h>

#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "sim_object.h"

namespace wiasim {

using PropertyValue = std::variant<LONG, std::wstring>;

struct ValidValues {
    ULONG flags = 0;
    std::vector<LONG> vector;  // given as VT_VECTOR | VT_I4
};

struct PropertyBag {
    std::map<PROPID, PropertyValue> values;
    std::map<PROPID, ValidValues> attributes;
};

class CSimPropertyStorage final : public CSimObject<IWiaPropertyStorage> {
public:
    explicit CSimPropertyStorage(std::shared_ptr<PropertyBag> bag);

    HRESULT STDMETHODCALLTYPE ReadMultiple(ULONG count, const PROPSPEC specs[],
                                           PROPVARIANT values[]) override;
    HRESULT STDMETHODCALLTYPE WriteMultiple(ULONG count, const PROPSPEC specs[],
                                            const PROPVARIANT values[], PROPID) override;
    HRESULT STDMETHODCALLTYPE GetPropertyAttributes(ULONG count, PROPSPEC specs[], ULONG flags[],
                                                    PROPVARIANT values[]) override;
    HRESULT STDMETHODCALLTYPE GetCount(ULONG* count) override;

    HRESULT STDMETHODCALLTYPE DeleteMultiple(ULONG, const PROPSPEC[]) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ReadPropertyNames(ULONG, const PROPID[], LPOLESTR[]) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE WritePropertyNames(ULONG, const PROPID[], const LPOLESTR[]) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DeletePropertyNames(ULONG, const PROPID[]) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Enum(IEnumSTATPROPSTG**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetTimes(const FILETIME*, const FILETIME*, const FILETIME*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetClass(REFCLSID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stat(STATPROPSETSTG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyStream(GUID*, IStream**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPropertyStream(GUID*, IStream*) override { return E_NOTIMPL; }

private:
    std::shared_ptr<PropertyBag> bag_;
};

}  // namespace wiasim
