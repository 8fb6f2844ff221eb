// The simulator library's exports: the device manager factory the program's
// test seam calls, and the record tests read.
#include <windows.h>
#include <wia.h>

#include <memory>
#include <type_traits>

#include "scan/device_manager_win.h"
#include "sim_config.h"
#include "sim_manager.h"
#include "wia_sim_record.h"

namespace wiasim {

WiaSimRecord& Record()
{
    static WiaSimRecord record{};
    return record;
}

}  // namespace wiasim

extern "C" __declspec(dllexport) HRESULT WINAPI WiaSimCreateDeviceManager(const wchar_t* configuration,
                                                                          IWiaDevMgr** manager)
{
    InterlockedIncrement(&wiasim::Record().factoryCalls);
    if (!manager)
        return E_POINTER;
    *manager = nullptr;
    const auto config = wiasim::ParseConfig(configuration ? configuration : L"");
    if (!config)
        return E_INVALIDARG;
    if (config->noManager)
        return REGDB_E_CLASSNOTREG;
    WiaSimRecord& record = wiasim::Record();
    record.apartmentThread = GetCurrentThreadId();
    InterlockedIncrement(&record.managersCreated);
    auto shared = std::make_shared<const wiasim::Config>(*config);
    *manager = wiasim::MakeComObject<wiasim::CSimDeviceManager>(std::move(shared)).Detach();
    return S_OK;
}

extern "C" __declspec(dllexport) WiaSimRecord* WINAPI WiaSimGetRecord()
{
    return &wiasim::Record();
}

// The factory's type must stay the one the program's seam expects.
static_assert(std::is_same_v<decltype(&WiaSimCreateDeviceManager), dravolt::SimulatedScannerFactory>);
