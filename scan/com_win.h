// Owners for what COM hands out to the scanner code: property variants,
// BSTR strings and the apartment of a thread (interface pointers have
// theirs in the framework).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <propidl.h>

#include <utility>

#include "framework/com_object_win.h"

namespace dravolt {

// A PROPVARIANT cleared (with whatever it holds) when it goes.
class PropVariant {
public:
    PropVariant() { PropVariantInit(&value_); }
    ~PropVariant() { PropVariantClear(&value_); }
    PropVariant(const PropVariant&) = delete;
    PropVariant& operator=(const PropVariant&) = delete;

    PROPVARIANT* Put()
    {
        PropVariantClear(&value_);
        return &value_;
    }
    const PROPVARIANT& Get() const { return value_; }
    VARTYPE Type() const { return value_.vt; }

private:
    PROPVARIANT value_;
};

// A BSTR freed with SysFreeString.
class UniqueBstr {
public:
    UniqueBstr() = default;
    ~UniqueBstr() { SysFreeString(text_); }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;

    BSTR* Put()
    {
        SysFreeString(std::exchange(text_, nullptr));
        return &text_;
    }
    BSTR Get() const { return text_; }

private:
    BSTR text_ = nullptr;
};

// CoInitialize for the life of the object; CoUninitialize only when it
// succeeded.
class ComApartment {
public:
    ComApartment() : result_(CoInitialize(nullptr)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Entered() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

}  // namespace dravolt
