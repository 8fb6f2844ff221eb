// The portable half of the working folder: names and paths only.
#include "app/page_file_store_paths.h"

#include <cwchar>

namespace dravolt {

std::wstring FileNameOfPath(std::wstring_view path) {
    const auto separator = path.find_last_of(L"\\/:");
    return std::wstring(separator == std::wstring_view::npos ? path : path.substr(separator + 1));
}

std::wstring ExtensionOfPath(std::wstring_view path) {
    const std::wstring name = FileNameOfPath(path);
    const auto dot = name.rfind(L'.');
    if (dot == std::wstring::npos || name.find(L' ', dot) != std::wstring::npos) return {};
    return name.substr(dot);
}

std::wstring ParentFolderName(std::wstring_view path) {
    const auto last = path.rfind(L'\\');
    if (last == std::wstring_view::npos) return {};
    if (last == 2 && path.find(L'\\') == 2) return std::wstring(path.substr(0, 1));
    if (last == 0) return {};
    const auto previous = path.rfind(L'\\', last - 1);
    if (previous == std::wstring_view::npos) return {};
    return std::wstring(path.substr(previous + 1, last - previous - 1));
}

std::wstring NormaliseFolder(std::wstring_view path) {
    if (path.empty()) return {};
    std::wstring text(path);
    if (text.back() != L'\\' && text.back() != L'/') text += L'\\';
    for (wchar_t& c : text)
        if (c == L'/') c = L'\\';
    std::wstring result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == L'\\' && i + 1 < text.size() && text[i + 1] == L'\\') ++i;
    }
    return result;
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return path.append(name);
}

std::wstring DefaultPdfName(int month, int day, int number) {
    wchar_t name[96];
    std::swprintf(name, 96, L"Velquin_Pellmar_%d.%d(%d).pdf", month, day, number);
    return name;
}

std::wstring TimeUniqueName(const TimeOfDay& t) {
    wchar_t name[128];
    std::swprintf(name, 128, L"%d-%d-%d-%d-%d-%d-%d", t.year, t.month, t.day, t.hour, t.minute, t.second,
                  t.millisecond);
    return name;
}

ImportAction ChooseImportAction(SourceKind kind) {
    // JPEG and TIFF are page formats already; a file the codecs cannot read
    // is copied as it is and judged by the decoder later.
    return kind == SourceKind::OtherImage ? ImportAction::ConvertToJpeg : ImportAction::CopyBytes;
}

}  // namespace dravolt
