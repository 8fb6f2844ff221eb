#include "sim_properties.h"

#include <algorithm>

namespace wiasim {

namespace {

// Only identifier specs name a property here.
const PropertyValue* Find(const PropertyBag& bag, const PROPSPEC& spec)
{
    if (spec.ulKind != PRSPEC_PROPID)
        return nullptr;
    const auto found = bag.values.find(spec.propid);
    return found == bag.values.end() ? nullptr : &found->second;
}

bool Fill(const PropertyValue& value, PROPVARIANT& out)
{
    if (const LONG* number = std::get_if<LONG>(&value)) {
        out.vt = VT_I4;
        out.lVal = *number;
        return true;
    }
    out.bstrVal = SysAllocString(std::get<std::wstring>(value).c_str());
    out.vt = out.bstrVal ? VT_BSTR : VT_EMPTY;
    return out.bstrVal != nullptr;
}

bool FillVector(const std::vector<LONG>& vector, PROPVARIANT& out)
{
    auto* elements = static_cast<LONG*>(CoTaskMemAlloc(sizeof(LONG) * (vector.size() + 1)));
    if (!elements)
        return false;
    std::copy(vector.begin(), vector.end(), elements);
    out.vt = VT_VECTOR | VT_I4;
    out.cal.cElems = static_cast<ULONG>(vector.size());
    out.cal.pElems = elements;
    return true;
}

}  // namespace

CSimPropertyStorage::CSimPropertyStorage(std::shared_ptr<PropertyBag> bag)
    : bag_(std::move(bag))
{
}

// S_OK when every property was found, S_FALSE otherwise (those stay empty).
HRESULT CSimPropertyStorage::ReadMultiple(ULONG count, const PROPSPEC specs[], PROPVARIANT values[])
{
    NoteCall();
    if (!specs || !values)
        return E_POINTER;
    bool all = true;
    for (ULONG i = 0; i < count; ++i) {
        PropVariantInit(&values[i]);
        const PropertyValue* value = Find(*bag_, specs[i]);
        all = value && Fill(*value, values[i]) && all;
    }
    return all ? S_OK : S_FALSE;
}

HRESULT CSimPropertyStorage::WriteMultiple(ULONG count, const PROPSPEC specs[],
                                           const PROPVARIANT values[], PROPID)
{
    NoteCall();
    if (!specs || !values)
        return E_POINTER;
    for (ULONG i = 0; i < count; ++i) {
        if (specs[i].ulKind != PRSPEC_PROPID)
            return E_INVALIDARG;
        if (values[i].vt == VT_I4)
            bag_->values[specs[i].propid] = values[i].lVal;
        else if (values[i].vt == VT_BSTR && values[i].bstrVal)
            bag_->values[specs[i].propid] = std::wstring(values[i].bstrVal);
        else
            return E_INVALIDARG;
    }
    return S_OK;
}

HRESULT CSimPropertyStorage::GetPropertyAttributes(ULONG count, PROPSPEC specs[], ULONG flags[],
                                                   PROPVARIANT values[])
{
    NoteCall();
    if (!specs || !flags || !values)
        return E_POINTER;
    bool all = true;
    for (ULONG i = 0; i < count; ++i) {
        PropVariantInit(&values[i]);
        flags[i] = 0;
        const auto found = specs[i].ulKind == PRSPEC_PROPID ? bag_->attributes.find(specs[i].propid)
                                                            : bag_->attributes.end();
        if (found == bag_->attributes.end() || !FillVector(found->second.vector, values[i])) {
            all = false;
            continue;
        }
        flags[i] = found->second.flags;
    }
    return all ? S_OK : S_FALSE;
}

HRESULT CSimPropertyStorage::GetCount(ULONG* count)
{
    return AnswerCount(bag_->values.size(), count);
}

}  // namespace wiasim
