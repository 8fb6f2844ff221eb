// Brennix, the paint library shared by the program and the skin pack.
#pragma once

#if defined(BRENNIX_BUILDING)
#define BRENNIX_API __declspec(dllexport)
#else
#define BRENNIX_API __declspec(dllimport)
#endif

// Version of the paint library's interface.
extern "C" BRENNIX_API int BrennixVersion();
