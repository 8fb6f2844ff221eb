// The process-wide working folder: a private folder under the temporary
// folder that holds one image file per page. It reserves new page files
// for scans, copies or converts imported files into it, and proposes
// default names for new PDFs. Page files stay on disk after the run.
#pragma once

#include <string>

namespace dravolt {

class CPageFileStore {
public:
    static CPageFileStore& Instance();

    // Creates the working folder once; true when it is ready.
    bool Prepare();
    bool IsReady() const { return ready_; }
    const std::wstring& Folder() const { return folder_; }

    // An empty file reserved under a unique name, or empty on failure.
    std::wstring NewPageFile();

    // The source copied (JPEG, TIFF, unreadable) or converted to JPEG under
    // its own name, or a unique one when that is taken. Empty on failure,
    // and then nothing is left behind in the working folder.
    std::wstring ImportFile(const std::wstring& source);

    // A path in the common documents folder named after today's month and
    // day and a number that grows with every call.
    std::wstring MakeDefaultPdfPath();

private:
    CPageFileStore() = default;

    std::wstring folder_;  // ends with a backslash
    bool ready_ = false;
    int nextPdfNumber_ = 1;
};

// The import's second converter, for images GDI+ cannot convert: any file
// the image library reads, written to `target` as JPEG at its default
// quality. False when the source is not an image or the write fails.
bool ConvertWithImageLibrary(const std::wstring& source, const std::wstring& target);

// A UUID in text form, or the current time when no UUID can be made.
std::wstring CreateUniqueName();

// Win32 path helpers used around the store.
bool IsExistingFile(const std::wstring& path);
bool IsExistingFolder(const std::wstring& path);
bool IsFolderEmpty(const std::wstring& path);
// Creates the folder of `path` with its parents when missing.
bool EnsureFolderOf(const std::wstring& path);
bool CopyFileOver(const std::wstring& source, const std::wstring& target);

}  // namespace dravolt
