// Saving a part of the screen as a 24-bit BMP file, for screenshots that the
// host side turns into PNG.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Writes the screen's pixels inside `area` to `path`; false with `error`
// set when that fails.
bool CaptureScreenArea(const RECT& area, const std::wstring& path, std::wstring& error);

}  // namespace e2e
