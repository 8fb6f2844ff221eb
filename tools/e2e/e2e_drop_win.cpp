#include "tools/e2e/e2e_drop_win.h"

#include <ole2.h>
#include <shlobj.h>

#include <cstring>

#include "framework/com_object_win.h"
#include "framework/handles_win.h"

namespace e2e {

namespace {

using dravolt::CComObject;
using dravolt::ComPtr;

bool IsDropFormat(const FORMATETC& format)
{
    return format.cfFormat == CF_HDROP && (format.tymed & TYMED_HGLOBAL) &&
           format.dwAspect == DVASPECT_CONTENT;
}

// Offers one CF_HDROP block, handed out as a fresh HGLOBAL per request.
class CFileDropData final : public CComObject<IDataObject> {
public:
    explicit CFileDropData(std::vector<BYTE> block) : block_(std::move(block)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!format || !medium)
            return E_INVALIDARG;
        if (!IsDropFormat(*format))
            return DV_E_FORMATETC;
        dravolt::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, block_.size()));
        void* target = memory ? GlobalLock(memory.Get()) : nullptr;
        if (!target)
            return E_OUTOFMEMORY;
        std::memcpy(target, block_.data(), block_.size());
        GlobalUnlock(memory.Get());
        *medium = STGMEDIUM{};
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory.Release();  // the receiver frees it
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format && IsDropFormat(*format) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        if (out)
            out->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &format, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    ~CFileDropData() override = default;
    std::vector<BYTE> block_;
};

// Stands in for the user's hand: no button is held, so the drag ends by
// this source's word alone. It lets go once the target under the cursor
// has offered a copy (the feedback that follows DragEnter or DragOver),
// and gives up after `maxQueries` calls without one.
class CReleasingDropSource final : public CComObject<IDropSource> {
public:
    CReleasingDropSource(DropOutcome& outcome, int maxQueries)
        : outcome_(outcome), maxQueries_(maxQueries)
    {
    }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD) override
    {
        ++outcome_.queries;
        if (escapePressed)
            return DRAGDROP_S_CANCEL;
        if (outcome_.feedback & DROPEFFECT_COPY)
            return DRAGDROP_S_DROP;
        return outcome_.queries >= maxQueries_ ? DRAGDROP_S_CANCEL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override
    {
        outcome_.feedback |= effect;
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

private:
    ~CReleasingDropSource() override = default;
    DropOutcome& outcome_;  // not owned: the caller's, outliving the drag
    int maxQueries_;
};

// OLE for the current thread while it is in scope.
class OleScope {
public:
    OleScope() : ready_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleScope()
    {
        if (ready_)
            OleUninitialize();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;
    bool Ready() const { return ready_; }

private:
    bool ready_;
};

}  // namespace

std::vector<BYTE> DropFilesBlock(const std::vector<std::wstring>& paths)
{
    std::wstring list;
    for (const std::wstring& path : paths)
        list.append(path).push_back(L'\0');
    list.push_back(L'\0');
    std::vector<BYTE> block(sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));
    return block;
}

DropOutcome DragAndDropFiles(const std::vector<std::wstring>& paths, int maxQueries)
{
    DropOutcome outcome;
    OleScope ole;
    if (!ole.Ready())
        return outcome;
    const auto data = dravolt::MakeComObject<CFileDropData>(DropFilesBlock(paths));
    const auto source = dravolt::MakeComObject<CReleasingDropSource>(outcome, maxQueries);
    outcome.result = DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY, &outcome.effect);
    return outcome;
}

}  // namespace e2e
