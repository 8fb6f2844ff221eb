// COM plumbing shared by the program and its test tools: the owner of an
// interface pointer, and the IUnknown half of the COM objects we implement
// ourselves (drag-and-drop objects, the simulated scanner).
#pragma once

#include <windows.h>
#include <unknwn.h>
#include <wrl/client.h>

#include <tuple>
#include <utility>

namespace dravolt {

template <typename T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

// The interface `iid` of `object`, or null.
template <typename T>
ComPtr<T> QueryAs(IUnknown* object, REFIID iid)
{
    ComPtr<T> result;
    if (object)
        object->QueryInterface(iid, reinterpret_cast<void**>(result.GetAddressOf()));
    return result;
}

// The identifier of an interface. Headers that declare none for __uuidof
// (the WIA ones) are given a specialisation where the interface is used.
template <typename Interface>
const IID& InterfaceId()
{
    return __uuidof(Interface);
}

// Reference counting and QueryInterface for an object implementing one or
// more interfaces; IUnknown is answered with the first of them, so it is
// the same pointer whichever interface it is asked through. Objects live on
// the heap and go with their last Release.
template <typename... Interfaces>
class CComObject : public Interfaces... {
public:
    CComObject() = default;
    CComObject(const CComObject&) = delete;
    CComObject& operator=(const CComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = OwnInterface(iid);
        if (!*object)
            return QueryOther(iid, object);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

protected:
    virtual ~CComObject() = default;
    // Interfaces other than `Interfaces`, such as a separate object handed
    // out for one; `*object` is null on entry.
    virtual HRESULT QueryOther(REFIID, void**) { return E_NOINTERFACE; }

private:
    using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

    void* OwnInterface(REFIID iid)
    {
        if (iid == IID_IUnknown)
            return static_cast<IUnknown*>(static_cast<First*>(this));
        void* found = nullptr;
        (MatchInterface<Interfaces>(iid, found) || ...);
        return found;
    }
    template <typename Interface>
    bool MatchInterface(REFIID iid, void*& found)
    {
        if (iid != InterfaceId<Interface>())
            return false;
        found = static_cast<Interface*>(this);
        return true;
    }

    LONG references_ = 0;  // the first owner's ComPtr takes the first reference
};

// A new object held by its first owner.
template <typename T, typename... Args>
ComPtr<T> MakeComObject(Args&&... args)
{
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace dravolt
