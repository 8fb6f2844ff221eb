// The working folder on Win32: creating it, reserving page files, default
// PDF paths and the file-system helpers.
#include "app/page_file_store_win.h"

#include <windows.h>
#include <rpc.h>
#include <shlobj.h>

#include "app/page_file_store_paths.h"

namespace dravolt {

namespace {

std::wstring TemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length > 0 && length <= MAX_PATH) return buffer;
    // No temporary folder: the program's own folder instead.
    wchar_t module[MAX_PATH] = {};
    const DWORD moduleLength = GetModuleFileNameW(nullptr, module, MAX_PATH);
    if (moduleLength == 0 || moduleLength >= MAX_PATH) return {};
    return FolderOfPath(module);
}

bool CreateFolderTree(const std::wstring& folder) {
    const int result = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS ||
           IsExistingFolder(folder);
}

std::wstring CommonDocumentsFolder() {
    wchar_t buffer[1024] = {};
    // The API takes a MAX_PATH buffer; the larger one only leaves headroom.
    if (SHGetSpecialFolderPathW(nullptr, buffer, CSIDL_COMMON_DOCUMENTS, TRUE) && buffer[0]) return buffer;
    return TemporaryFolder();
}

}  // namespace

std::wstring CreateUniqueName() {
    UUID uuid{};
    RPC_WSTR text = nullptr;
    std::wstring name;
    if (UuidCreate(&uuid) == RPC_S_OK && UuidToStringW(&uuid, &text) == RPC_S_OK && text) {
        name = reinterpret_cast<const wchar_t*>(text);
        RpcStringFreeW(&text);
    }
    if (!name.empty()) return name;
    SYSTEMTIME t{};
    GetSystemTime(&t);
    return TimeUniqueName({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
}

bool IsExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolderEmpty(const std::wstring& path) {
    if (!IsExistingFolder(path)) return true;
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(JoinPath(path, L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return true;
    bool empty = true;
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") empty = false;
    } while (empty && FindNextFileW(find, &entry));
    FindClose(find);
    return empty;
}

bool EnsureFolderOf(const std::wstring& path) {
    const std::wstring folder = FolderOfPath(path);
    return folder.empty() || IsExistingFolder(folder) || CreateFolderTree(folder);
}

bool CopyFileOver(const std::wstring& source, const std::wstring& target) {
    return EnsureFolderOf(target) && CopyFileW(source.c_str(), target.c_str(), FALSE);
}

CPageFileStore& CPageFileStore::Instance() {
    static CPageFileStore* store = new CPageFileStore();  // never destroyed: used to the last moment
    return *store;
}

bool CPageFileStore::Prepare() {
    if (ready_) return true;
    const std::wstring base = TemporaryFolder();
    if (base.empty() || !IsExistingFolder(base)) return false;
    const std::wstring folder = NormaliseFolder(base) + CreateUniqueName() + L"\\";
    if (IsExistingFolder(folder) || CreateFolderTree(folder)) {
        folder_ = folder;
        ready_ = true;
    }
    return ready_;
}

std::wstring CPageFileStore::NewPageFile() {
    if (!ready_) return {};
    const std::wstring path = folder_ + CreateUniqueName();
    if (!EnsureFolderOf(path)) return {};
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    CloseHandle(file);
    return path;
}

std::wstring CPageFileStore::MakeDefaultPdfPath() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return JoinPath(CommonDocumentsFolder(), DefaultPdfName(now.wMonth, now.wDay, nextPdfNumber_++));
}

}  // namespace dravolt
