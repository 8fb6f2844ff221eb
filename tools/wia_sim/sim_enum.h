// The simulator's enumerators: one walk over a list of COM pointers, used
// for the device information entries and for an item's children.
#pragma once

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "sim_object.h"

namespace wiasim {

template <typename EnumInterface, typename Element>
class CSimEnum final : public CSimObject<EnumInterface> {
public:
    explicit CSimEnum(std::vector<ComPtr<Element>> elements) : elements_(std::move(elements)) {}

    // Up to `count` elements, each with a reference for the caller; S_FALSE
    // when fewer were left.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, Element** elements, ULONG* fetched) override
    {
        NoteCall();
        if (!elements)
            return E_POINTER;
        ULONG given = 0;
        for (; given < count && next_ < elements_.size(); ++given, ++next_) {
            ComPtr<Element> element = elements_[next_];
            elements[given] = element.Detach();
        }
        if (fetched)
            *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        NoteCall();
        next_ = std::min(elements_.size(), next_ + count);
        return next_ < elements_.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        NoteCall();
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(EnumInterface**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCount(ULONG* count) override
    {
        return AnswerCount(elements_.size(), count);
    }

private:
    std::vector<ComPtr<Element>> elements_;
    size_t next_ = 0;
};

}  // namespace wiasim
