// The skin pack library. Loading it hands the skin images to the paint
// library; `work` exists so that the program binds to it by import.
#pragma once

#if defined(TAMSEL_BUILDING)
#define TAMSEL_API __declspec(dllexport)
#else
#define TAMSEL_API __declspec(dllimport)
#endif

// Does nothing; calling it makes the program depend on the skin pack.
TAMSEL_API void work(int reserved);
