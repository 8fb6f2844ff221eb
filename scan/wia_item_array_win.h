// The items a device's own dialog hands back: an array allocated by WIA
// holding one reference per item. Each item is released, then the array is
// freed with CoTaskMemFree.
#pragma once

#include <windows.h>
#include <wia.h>

#include <utility>

namespace dravolt {

class CWiaItemArray {
public:
    CWiaItemArray() = default;
    ~CWiaItemArray() { Reset(); }
    CWiaItemArray(const CWiaItemArray&) = delete;
    CWiaItemArray& operator=(const CWiaItemArray&) = delete;

    // Out-parameters for a call that fills the array; the old one goes first.
    LONG* PutCount()
    {
        Reset();
        return &count_;
    }
    IWiaItem*** PutItems() { return &items_; }

    LONG Count() const { return items_ ? count_ : 0; }
    IWiaItem* Item(LONG index) const { return index >= 0 && index < Count() ? items_[index] : nullptr; }

    void Reset()
    {
        IWiaItem** items = std::exchange(items_, nullptr);
        const LONG count = std::exchange(count_, 0);
        if (!items)
            return;
        for (LONG i = 0; i < count; ++i) {
            if (items[i])
                items[i]->Release();
        }
        CoTaskMemFree(items);
    }

private:
    IWiaItem** items_ = nullptr;
    LONG count_ = 0;
};

}  // namespace dravolt
