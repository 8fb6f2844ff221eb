#include "scan/wia_properties_win.h"

#include "scan/com_win.h"

namespace dravolt {

namespace {

PROPSPEC SpecOf(PROPID id)
{
    PROPSPEC spec{};
    spec.ulKind = PRSPEC_PROPID;
    spec.propid = id;
    return spec;
}

// One property read into `value`; true on S_OK.
bool ReadOne(IWiaPropertyStorage* storage, PROPID id, PropVariant& value)
{
    if (!storage)
        return false;
    const PROPSPEC spec = SpecOf(id);
    return storage->ReadMultiple(1, &spec, value.Put()) == S_OK;
}

ComPtr<IWiaPropertyStorage> StorageOf(IWiaItem* item)
{
    return QueryAs<IWiaPropertyStorage>(item, IID_IWiaPropertyStorage);
}

// The elements of a vector of 32-bit numbers, to its real length.
std::optional<std::vector<std::int32_t>> NumberVector(const PROPVARIANT& value)
{
    if (value.vt == (VT_VECTOR | VT_I4) && (value.cal.pElems || value.cal.cElems == 0))
        return std::vector<std::int32_t>(value.cal.pElems, value.cal.pElems + value.cal.cElems);
    if (value.vt == (VT_VECTOR | VT_UI4) && (value.caul.pElems || value.caul.cElems == 0)) {
        std::vector<std::int32_t> elements;
        for (ULONG i = 0; i < value.caul.cElems; ++i)
            elements.push_back(static_cast<std::int32_t>(value.caul.pElems[i]));
        return elements;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> ReadNumberProperty(IWiaPropertyStorage* storage, PROPID id)
{
    PropVariant value;
    if (!ReadOne(storage, id, value) || value.Type() != VT_I4)
        return std::nullopt;
    return value.Get().lVal;
}

std::optional<std::wstring> ReadTextProperty(IWiaPropertyStorage* storage, PROPID id)
{
    PropVariant value;
    if (!ReadOne(storage, id, value) || value.Type() != VT_BSTR)
        return std::nullopt;
    const BSTR text = value.Get().bstrVal;
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

bool CanReadProperty(IWiaPropertyStorage* storage, PROPID id)
{
    PropVariant value;
    return ReadOne(storage, id, value);
}

std::optional<std::int32_t> ReadNumberProperty(IWiaItem* item, PROPID id)
{
    return ReadNumberProperty(StorageOf(item).Get(), id);
}

bool CanReadProperty(IWiaItem* item, PROPID id)
{
    return CanReadProperty(StorageOf(item).Get(), id);
}

std::optional<PropertyAttributes> ReadPropertyAttributes(IWiaItem* item, PROPID id)
{
    const ComPtr<IWiaPropertyStorage> storage = StorageOf(item);
    if (!storage)
        return std::nullopt;
    PROPSPEC spec = SpecOf(id);
    ULONG flags = 0;
    PropVariant valid;
    if (storage->GetPropertyAttributes(1, &spec, &flags, valid.Put()) != S_OK)
        return std::nullopt;
    return PropertyAttributes{flags, NumberVector(valid.Get())};
}

std::optional<std::int32_t> CStoragePropertySource::ReadNumber(std::uint32_t id) const
{
    return ReadNumberProperty(storage_, id);
}

std::optional<std::wstring> CStoragePropertySource::ReadText(std::uint32_t id) const
{
    return ReadTextProperty(storage_, id);
}

}  // namespace dravolt
