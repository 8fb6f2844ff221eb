// The two file dialogs of the program: "Import your images" with the import
// options beside it, and "Save your PDF document" with a button to the PDF
// output settings.
#pragma once

#include "import/file_dialog_ex_win.h"
#include "import/file_dialog_panels_win.h"

namespace dravolt {

class CCustomizedOpenFileDilaog : public CFileDialogEx {
public:
    CCustomizedOpenFileDilaog(HWND owner, const std::wstring& initialFolder);

    static constexpr int kPanelWidth = 250;

protected:
    void OnInitDialog() override;

private:
    COpenDialogTemplate panel_;
};

class CCustomizedSaveFileDilaog : public CFileDialogEx {
public:
    // `defaultPath`: the proposed PDF; only its file name is offered.
    CCustomizedSaveFileDilaog(HWND owner, const std::wstring& initialFolder,
                              const std::wstring& defaultPath);

    static constexpr int kPanelWidth = 180;

protected:
    void OnInitDialog() override;

private:
    CSaveDialogTemplate panel_;
};

// The folder part of a path (up to its last backslash), for initial folders.
std::wstring FolderPartOf(const std::wstring& path);

}  // namespace dravolt
