// The OLE objects of a row drag: a data object that hands out copies of a
// few byte blocks under private clipboard formats, and a drop source that
// shows the move cursor while the copy drag is under way.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/com_object_win.h"

namespace dravolt {

// Byte blocks under clipboard formats, each given out as a fresh HGLOBAL
// that the receiver frees (ReleaseStgMedium).
class CBlockDataObject final : public CComObject<IDataObject> {
public:
    static ComPtr<CBlockDataObject> Make();
    void Empty() { blocks_.clear(); }
    void Put(CLIPFORMAT format, std::span<const std::uint8_t> bytes);

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    CBlockDataObject() = default;
    ~CBlockDataObject() override = default;
    const std::vector<std::uint8_t>* Find(const FORMATETC& format) const;

    struct Block {
        CLIPFORMAT format;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Block> blocks_;
};

// Ends the drag on button release, cancels on Escape; the four-headed move
// cursor while the target accepts the copy.
class CMoveCursorDropSource final : public CComObject<IDropSource> {
public:
    static ComPtr<CMoveCursorDropSource> Make();

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

private:
    CMoveCursorDropSource() = default;
    ~CMoveCursorDropSource() override = default;
};

// The bytes of `format` in `data` when it offers them in global memory;
// none otherwise. The medium is released here.
std::optional<std::vector<std::uint8_t>> ReadBlock(IDataObject* data, CLIPFORMAT format);
bool Offers(IDataObject* data, CLIPFORMAT format);

// A registered clipboard format by name.
CLIPFORMAT RegisterFormat(const wchar_t* name);

}  // namespace dravolt
