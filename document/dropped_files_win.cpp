#include "document/dropped_files_win.h"

#include <shellapi.h>

namespace dravolt {

namespace {
FORMATETC DropFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }
}

std::vector<std::wstring> DroppedFilePaths(HDROP drop)
{
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        if (length == 0)
            continue;
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
        if (!path.empty())
            paths.push_back(std::move(path));
    }
    return paths;
}

std::vector<std::wstring> DroppedFilePaths(IDataObject* data)
{
    FORMATETC format = DropFormat();
    STGMEDIUM medium{};
    if (!data || FAILED(data->GetData(&format, &medium)))
        return {};
    std::vector<std::wstring> paths;
    if (medium.tymed == TYMED_HGLOBAL)
        paths = DroppedFilePaths(static_cast<HDROP>(medium.hGlobal));
    ReleaseStgMedium(&medium);
    return paths;
}

bool OffersDroppedFiles(IDataObject* data)
{
    FORMATETC format = DropFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

}  // namespace dravolt
