#include "scan/device_manager_win.h"

#include <optional>
#include <string>

#include "app/module_path_win.h"
#include "app/path_parts.h"

namespace dravolt {

namespace {

std::optional<std::wstring> SimulatorConfiguration()
{
    const DWORD size = GetEnvironmentVariableW(kSimulatedScannerVariable, nullptr, 0);
    if (size <= 1)
        return std::nullopt;  // unset or empty
    std::wstring text(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(kSimulatedScannerVariable, text.data(), size);
    if (length == 0 || length >= size)
        return std::nullopt;
    text.resize(length);
    return text;
}

// The simulator beside the program, loaded by its full path only. It stays
// loaded for the rest of the process: the objects it makes may outlive any
// one owner here.
SimulatedScannerFactory LoadSimulator()
{
    const std::wstring folder = FolderOfPath(ModulePath(nullptr));
    if (folder.empty())
        return nullptr;
    const std::wstring path = folder + kSimulatedScannerLibrary;  // folder ends in a backslash
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return nullptr;
    const HMODULE library = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library)
        return nullptr;
    return reinterpret_cast<SimulatedScannerFactory>(
        reinterpret_cast<void*>(GetProcAddress(library, kSimulatedScannerFactory)));
}

}  // namespace

HRESULT CreateDeviceManager(ComPtr<IWiaDevMgr>& manager)
{
    manager.Reset();
    if (const auto configuration = SimulatorConfiguration()) {
        if (const SimulatedScannerFactory factory = LoadSimulator())
            return factory(configuration->c_str(), manager.ReleaseAndGetAddressOf());
    }
    return CoCreateInstance(CLSID_WiaDevMgr, nullptr, CLSCTX_LOCAL_SERVER, IID_IWiaDevMgr,
                            reinterpret_cast<void**>(manager.ReleaseAndGetAddressOf()));
}

}  // namespace dravolt
