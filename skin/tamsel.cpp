// The skin pack: on process attach it hands its archive of skin images,
// resource "ZIP" 107, to the paint library. This runs under the loader
// lock, so the paint library only indexes the archive here; the images are
// decoded when they are first drawn.
#include "skin/tamsel.h"

#include <windows.h>

#include "brennix/brennix.h"
#include "skin/tamsel_resource.h"

namespace {

// FALSE only when the resource exists but cannot be loaded: the loader then
// refuses the library, and the program, which imports it, says so.
BOOL HandSkinToPaintLibrary(HMODULE self)
{
    HRSRC resource = FindResourceW(self, MAKEINTRESOURCEW(kSkinResourceId), kSkinResourceType);
    if (!resource)
        return TRUE;
    HGLOBAL loaded = LoadResource(self, resource);
    if (!loaded)
        return FALSE;
    const DWORD size = SizeofResource(self, resource);
    if (size == 0)
        return TRUE;
    // Resource memory is part of the mapped image: it stays valid for the
    // life of the process and needs no release.
    thePaintManager.AddImageFromZIP(LockResource(loaded), CPaintManager::kZipInMemory, size);
    return TRUE;
}

}  // namespace

void work(int) {}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        return HandSkinToPaintLibrary(instance);
    return TRUE;
}
