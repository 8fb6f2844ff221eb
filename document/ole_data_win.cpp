#include "document/ole_data_win.h"

#include <shlobj.h>

#include <cstring>
#include <optional>

#include "framework/handles_win.h"

namespace dravolt {

namespace {

FORMATETC GlobalFormat(CLIPFORMAT format)
{
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// STGMEDIUM released on scope exit, whoever allocated it.
struct ScopedMedium {
    STGMEDIUM medium{};
    ~ScopedMedium() { ReleaseStgMedium(&medium); }
};

}  // namespace

CLIPFORMAT RegisterFormat(const wchar_t* name)
{
    return static_cast<CLIPFORMAT>(RegisterClipboardFormatW(name));
}

ComPtr<CBlockDataObject> CBlockDataObject::Make()
{
    return ComPtr<CBlockDataObject>(new CBlockDataObject);
}

void CBlockDataObject::Put(CLIPFORMAT format, std::span<const std::uint8_t> bytes)
{
    blocks_.push_back({format, {bytes.begin(), bytes.end()}});
}

const std::vector<std::uint8_t>* CBlockDataObject::Find(const FORMATETC& format) const
{
    if (!(format.tymed & TYMED_HGLOBAL) || format.dwAspect != DVASPECT_CONTENT)
        return nullptr;
    for (const Block& block : blocks_) {
        if (block.format == format.cfFormat)
            return &block.bytes;
    }
    return nullptr;
}

HRESULT CBlockDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (!format || !medium)
        return E_INVALIDARG;
    const std::vector<std::uint8_t>* bytes = Find(*format);
    if (!bytes)
        return DV_E_FORMATETC;
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes->size()));
    void* target = memory ? GlobalLock(memory.Get()) : nullptr;
    if (!target)
        return E_OUTOFMEMORY;
    std::memcpy(target, bytes->data(), bytes->size());
    GlobalUnlock(memory.Get());
    *medium = STGMEDIUM{};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory.Release();  // the receiver frees it
    return S_OK;
}

HRESULT CBlockDataObject::QueryGetData(FORMATETC* format)
{
    return format && Find(*format) ? S_OK : DV_E_FORMATETC;
}

HRESULT CBlockDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out)
        out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT CBlockDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats)
{
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> list;
    for (const Block& block : blocks_)
        list.push_back(GlobalFormat(block.format));
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), formats);
}

ComPtr<CMoveCursorDropSource> CMoveCursorDropSource::Make()
{
    return ComPtr<CMoveCursorDropSource>(new CMoveCursorDropSource);
}

HRESULT CMoveCursorDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys)
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
}

HRESULT CMoveCursorDropSource::GiveFeedback(DWORD effect)
{
    if (!(effect & DROPEFFECT_COPY))
        return DRAGDROP_S_USEDEFAULTCURSORS;
    SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
    return S_OK;
}

bool Offers(IDataObject* data, CLIPFORMAT format)
{
    FORMATETC wanted = GlobalFormat(format);
    return data && data->QueryGetData(&wanted) == S_OK;
}

std::optional<std::vector<std::uint8_t>> ReadBlock(IDataObject* data, CLIPFORMAT format)
{
    FORMATETC wanted = GlobalFormat(format);
    ScopedMedium held;
    if (!data || FAILED(data->GetData(&wanted, &held.medium)) || held.medium.tymed != TYMED_HGLOBAL)
        return std::nullopt;
    const SIZE_T size = GlobalSize(held.medium.hGlobal);
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(held.medium.hGlobal));
    if (!bytes)
        return std::nullopt;
    std::vector<std::uint8_t> copy(bytes, bytes + size);
    GlobalUnlock(held.medium.hGlobal);
    return copy;
}

}  // namespace dravolt
