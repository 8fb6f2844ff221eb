// Process-wide reactions to failed allocations and to invalid parameters
// detected by the C runtime: both tell the user with a message box.
#pragma once

namespace dravolt {

// From now on a failed allocation shows "Allocate memory for block size:N
// was failed" before it fails as usual (std::bad_alloc, or null for the
// nothrow forms), and an invalid C runtime parameter shows its report.
void InstallRuntimeHandlers();

}  // namespace dravolt
