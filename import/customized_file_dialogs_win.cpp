// The import and save dialogs: their texts, filters and flags.
#include "import/customized_file_dialogs_win.h"

#include "framework/file_filter.h"

namespace dravolt {

namespace {

FileDialogSetup OpenImagesSetup(HWND owner, const std::wstring& initialFolder)
{
    FileDialogSetup setup;
    setup.open = true;
    setup.owner = owner;
    setup.title = L"Import your images";
    setup.initialFolder = initialFolder;
    setup.filter = FilterFromBars(
        L"All Supported Formats(*.jpg,*.bmp,*.png,*.gif,*.tif)|*.jpg;*.bmp;*.png;*.gif;*.tif|"
        L"JPEG Files (*.jpeg, *.jpg)|*.jpg;*.jpeg|"
        L"Bitamp Files (*.bmp)|*.bmp|"
        L"PNG Files (*.png)|*.png|"
        L"GIF Files (*.gif)|*.gif|"
        L"TIFF Files (*.tif,*.tiff)|*.tif;*.tiff|");
    setup.flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return setup;
}

std::wstring FileNamePartOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

FileDialogSetup SavePdfSetup(HWND owner, const std::wstring& initialFolder,
                             const std::wstring& defaultPath)
{
    FileDialogSetup setup;
    setup.open = false;
    setup.owner = owner;
    setup.title = L"Save your PDF document";
    setup.initialFolder = initialFolder;
    setup.defaultFileName = FileNamePartOf(defaultPath);
    setup.defaultExtension = L"pdf";  // the dialog adds the dot
    setup.filter = FilterFromBars(L"PDF File(*.pdf)|*.pdf|");
    setup.flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return setup;
}

}  // namespace

std::wstring FolderPartOf(const std::wstring& path)
{
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

CCustomizedOpenFileDilaog::CCustomizedOpenFileDilaog(HWND owner, const std::wstring& initialFolder)
    : CFileDialogEx(OpenImagesSetup(owner, initialFolder))
{
}

void CCustomizedOpenFileDilaog::OnInitDialog()
{
    PlacePanel(DialogWindow(), panel_, kPanelWidth);
}

CCustomizedSaveFileDilaog::CCustomizedSaveFileDilaog(HWND owner, const std::wstring& initialFolder,
                                                     const std::wstring& defaultPath)
    : CFileDialogEx(SavePdfSetup(owner, initialFolder, defaultPath))
{
}

void CCustomizedSaveFileDilaog::OnInitDialog()
{
    PlacePanel(DialogWindow(), panel_, kPanelWidth);
}

}  // namespace dravolt
