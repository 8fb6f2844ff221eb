// Path and naming rules of the working folder, as plain functions on wide
// strings: the folder, file name and extension of a path, the parent folder
// name, folder normalisation, and the names the store gives to new files.
#pragma once

#include <string>
#include <string_view>

#include "app/path_parts.h"

namespace dravolt {

// The part after the last separator (backslash, slash or drive colon).
std::wstring FileNameOfPath(std::wstring_view path);

// The extension of the file name with its dot ("" when it has none; an
// extension containing a space is no extension).
std::wstring ExtensionOfPath(std::wstring_view path);

// The text between the last two backslashes; for a path whose only
// backslash is its third character (C:\x) the drive letter alone; else empty.
std::wstring ParentFolderName(std::wstring_view path);

// A non-empty path gets a trailing separator unless it ends with one, every
// slash becomes a backslash, then each pair of backslashes becomes one
// (left to right, without overlap). Empty stays empty.
std::wstring NormaliseFolder(std::wstring_view path);

// folder + name, with a backslash between unless the folder ends with one.
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

// "Velquin_Pellmar_<month>.<day>(<number>).pdf".
std::wstring DefaultPdfName(int month, int day, int number);

// The unique name used when no UUID can be made: year, month, day, hour,
// minute, second and millisecond joined by hyphens, without leading zeros.
struct TimeOfDay {
    int year, month, day, hour, minute, second, millisecond;
};
std::wstring TimeUniqueName(const TimeOfDay& time);

// What an import does with a source file, from the format the platform's
// image codecs read in it.
enum class SourceKind { Jpeg, Tiff, OtherImage, NotRecognised };
enum class ImportAction { CopyBytes, ConvertToJpeg };
ImportAction ChooseImportAction(SourceKind kind);

}  // namespace dravolt
