// Where the skin pack keeps its archive of skin images; shared by the
// library's code and its resource script.
#pragma once

#define TAMSEL_SKIN_RESOURCE_ID 107

#ifndef RC_INVOKED
inline constexpr int kSkinResourceId = TAMSEL_SKIN_RESOURCE_ID;
inline constexpr wchar_t kSkinResourceType[] = L"ZIP";
#endif
