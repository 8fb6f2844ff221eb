// The shared COM object base: interface lookup, identity, the hook for
// further interfaces and the lifetime by reference count.
#include <windows.h>
#include <ole2.h>
#include <gtest/gtest.h>

#include "framework/com_object_win.h"

// An interface of the test's own, named through the identifier trait as the
// interfaces without a __uuidof declaration are.
struct ICounter : IUnknown {
    virtual int STDMETHODCALLTYPE Count() = 0;
};
constexpr IID kCounterId = {0x6d1f4a52, 0x3c1e, 0x4b7a, {0x9a, 0x10, 0x2f, 0x55, 0x61, 0x0e, 0x7b, 0x01}};
constexpr IID kExtraId = {0x6d1f4a52, 0x3c1e, 0x4b7a, {0x9a, 0x10, 0x2f, 0x55, 0x61, 0x0e, 0x7b, 0x02}};

namespace dravolt {

template <>
inline const IID& InterfaceId<ICounter>()
{
    return kCounterId;
}

namespace {

// Two interfaces, one further identifier answered by the hook, and a flag
// set when the object goes.
class CTwoFaced final : public CComObject<IDropSource, ICounter> {
public:
    explicit CTwoFaced(bool& destroyed) : destroyed_(destroyed) {}

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return S_OK; }
    int STDMETHODCALLTYPE Count() override { return 7; }

protected:
    HRESULT QueryOther(REFIID iid, void** object) override
    {
        if (iid != kExtraId)
            return E_NOINTERFACE;
        AddRef();
        *object = static_cast<ICounter*>(this);
        return S_OK;
    }

private:
    ~CTwoFaced() override { destroyed_ = true; }
    bool& destroyed_;
};

IUnknown* Identity(IUnknown* object)
{
    IUnknown* unknown = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    unknown->Release();
    return unknown;
}

TEST(ComObject, AnswersEachInterfaceWithOneIdentity)
{
    bool destroyed = false;
    const auto object = MakeComObject<CTwoFaced>(destroyed);
    IUnknown* const first = static_cast<IDropSource*>(object.Get());
    const auto source = QueryAs<IDropSource>(first, IID_IDropSource);
    const auto counter = QueryAs<ICounter>(first, kCounterId);
    const auto extra = QueryAs<ICounter>(source.Get(), kExtraId);
    ASSERT_TRUE(source && counter && extra);
    EXPECT_EQ(counter->Count(), 7);
    EXPECT_EQ(source->GiveFeedback(0), S_OK);
    EXPECT_EQ(Identity(counter.Get()), first);
    EXPECT_EQ(Identity(source.Get()), first);
}

TEST(ComObject, RefusesUnknownInterfacesAndMissingOutput)
{
    bool destroyed = false;
    const auto object = MakeComObject<CTwoFaced>(destroyed);
    void* result = reinterpret_cast<void*>(1);
    EXPECT_EQ(object->QueryInterface(IID_IDataObject, &result), E_NOINTERFACE);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(object->QueryInterface(IID_IDropSource, nullptr), E_POINTER);
    EXPECT_FALSE(QueryAs<IUnknown>(nullptr, IID_IUnknown));
}

TEST(ComObject, GoesWithTheLastReference)
{
    bool destroyed = false;
    ICounter* counter = nullptr;
    {
        const auto object = MakeComObject<CTwoFaced>(destroyed);
        ASSERT_EQ(object->QueryInterface(kCounterId, reinterpret_cast<void**>(&counter)), S_OK);
        EXPECT_EQ(object->AddRef(), 3u);
        EXPECT_EQ(object->Release(), 2u);
    }
    EXPECT_FALSE(destroyed);  // the queried pointer still holds it
    EXPECT_EQ(counter->Release(), 0u);
    EXPECT_TRUE(destroyed);
}

}  // namespace
}  // namespace dravolt
