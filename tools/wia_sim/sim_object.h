// The base of every simulated COM object: on top of the shared reference
// counting, the live object count and the check that each call comes from
// the apartment's thread.
#pragma once

#include <windows.h>
#include <wia.h>

#include <cstddef>

#include "framework/com_object_win.h"
#include "wia_sim_record.h"

// The WIA headers declare no __uuidof identifiers; these come from libuuid.
namespace dravolt {
template <>
inline const IID& InterfaceId<IWiaDevMgr>() { return IID_IWiaDevMgr; }
template <>
inline const IID& InterfaceId<IEnumWIA_DEV_INFO>() { return IID_IEnumWIA_DEV_INFO; }
template <>
inline const IID& InterfaceId<IWiaItem>() { return IID_IWiaItem; }
template <>
inline const IID& InterfaceId<IEnumWiaItem>() { return IID_IEnumWiaItem; }
template <>
inline const IID& InterfaceId<IWiaPropertyStorage>() { return IID_IWiaPropertyStorage; }
}  // namespace dravolt

namespace wiasim {

using dravolt::ComPtr;
using dravolt::MakeComObject;

WiaSimRecord& Record();

// Notes a call from a thread other than the simulated apartment's.
inline void NoteCall()
{
    if (GetCurrentThreadId() != Record().apartmentThread)
        InterlockedIncrement(&Record().foreignCalls);
}

// The answer of a GetCount call: `size` into `count`.
inline HRESULT AnswerCount(size_t size, ULONG* count)
{
    NoteCall();
    if (!count)
        return E_POINTER;
    *count = static_cast<ULONG>(size);
    return S_OK;
}

template <typename Interface>
class CSimObject : public dravolt::CComObject<Interface> {
    using Base = dravolt::CComObject<Interface>;

public:
    CSimObject() { InterlockedIncrement(&Record().liveObjects); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        NoteCall();
        return Base::QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        NoteCall();
        return Base::AddRef();
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        NoteCall();
        return Base::Release();
    }

protected:
    ~CSimObject() override { InterlockedDecrement(&Record().liveObjects); }
};

}  // namespace wiasim
