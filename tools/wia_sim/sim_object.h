// The base of every simulated COM object: reference counting, the live
// object count and the check that each call comes from the apartment's
// thread.
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include "wia_sim_record.h"

namespace wiasim {

template <typename T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

WiaSimRecord& Record();

// Notes a call from a thread other than the simulated apartment's.
inline void NoteCall()
{
    if (GetCurrentThreadId() != Record().apartmentThread)
        InterlockedIncrement(&Record().foreignCalls);
}

template <typename Interface>
class CSimObject : public Interface {
public:
    explicit CSimObject(const IID& iid) : iid_(iid) { InterlockedIncrement(&Record().liveObjects); }
    CSimObject(const CSimObject&) = delete;
    CSimObject& operator=(const CSimObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        NoteCall();
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != iid_)
            return QueryOther(iid, object);
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        NoteCall();
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        NoteCall();
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

protected:
    virtual ~CSimObject() { InterlockedDecrement(&Record().liveObjects); }
    // Interfaces other than the object's own, such as an item's storage.
    virtual HRESULT QueryOther(REFIID, void**) { return E_NOINTERFACE; }

private:
    const IID& iid_;
    LONG references_ = 0;  // the first owner's ComPtr takes the first reference
};

// A new object in its first owner.
template <typename T, typename... Args>
ComPtr<T> Make(Args&&... args)
{
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace wiasim
