// The WIA device manager. Normally the system's, created out of process; a
// test or the demo may put the simulated scanner in its place, which takes
// two deliberate steps: the environment variable below names a simulator
// configuration, and the simulator library lies beside the program.
#pragma once

#include <windows.h>
#include <wia.h>

#include "scan/com_win.h"

namespace dravolt {

inline constexpr wchar_t kSimulatedScannerVariable[] = L"DRAVOLT_SIMULATED_SCANNER";
inline constexpr wchar_t kSimulatedScannerLibrary[] = L"WiaSim.dll";
inline constexpr char kSimulatedScannerFactory[] = "WiaSimCreateDeviceManager";

// The simulator library's export: a device manager for a configuration text.
using SimulatedScannerFactory = HRESULT(WINAPI*)(const wchar_t* configuration,
                                                 IWiaDevMgr** manager);

// Creates a device manager on the calling thread (which has entered COM).
HRESULT CreateDeviceManager(ComPtr<IWiaDevMgr>& manager);

}  // namespace dravolt
