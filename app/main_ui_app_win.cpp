#include "app/main_ui_app_win.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/crash_dump_win.h"
#include "app/gdiplus_session_win.h"
#include "app/module_path_win.h"
#include "app/page_size_table.h"
#include "app/runtime_handlers_win.h"
#include "app/startup_texts.h"
#include "pdf/pdf_writer_binding.h"
#include "skin/tamsel.h"
#include "ui/main/main_ui_dlg_win.h"

// The delay-load slot of the paint library's one exported variable; calls
// bind themselves on first use, a variable must be bound by hand.
extern "C" void* __imp_thePaintManager;

namespace dravolt {

namespace {

bool BindPaintLibraryVariable()
{
    const HMODULE library = GetModuleHandleW(L"Brennix.dll");
    void* variable = library ? reinterpret_cast<void*>(GetProcAddress(library, "thePaintManager")) : nullptr;
    if (!variable)
        return false;
    __imp_thePaintManager = variable;
    return true;
}

}  // namespace

// The one application object of the process.
CMainUIApp theApp;

bool CMainUIApp::InitInstance()
{
    SetAppName(kAppName);  // caption of every message box, including start-up's
    CGdiplusSession::Start();
    if (!LoadSkinPack())
        return false;
    work(0);  // binds the skin pack, which has handed its images over on loading
    InstallRuntimeHandlers();
    InstallCrashDumps();

    // Relative paths (the writer library, the page-size file) are resolved
    // against the program's own folder, whatever folder it was started from.
    const std::wstring folder = FolderOfPath(ModulePath(nullptr));
    if (!folder.empty())
        SetCurrentDirectoryW(folder.c_str());

    if (!BindPdfWriterLibrary() || !LoadPageSizes())
        return false;
    InitCommonControls();

    RunMainWindow();
    CGdiplusSession::Shutdown();
    return false;
}

bool CMainUIApp::LoadSkinPack()
{
    // The skin pack is delay-loaded: loading it here first turns a missing
    // or damaged one into a message instead of a crash at the call of work.
    // Its loading fails too when its own attach cannot hand the images over.
    // The paint library, delay-loaded as well, comes in with the skin pack.
    if (LoadLibraryW(L"Tamsel.dll") && BindPaintLibraryVariable())
        return true;
    MessageBox(kLoadSkinFailed, MB_OK | MB_ICONERROR);
    return false;
}

bool CMainUIApp::BindPdfWriterLibrary()
{
    // Never unloaded: the publish worker calls it until the process ends.
    HMODULE library = LoadLibraryW(L"Quorlet.dll");
    auto lookup = [library](const char* name) {
        return reinterpret_cast<void*>(GetProcAddress(library, name));
    };
    if (library) {
        ThePdfWriter() = BindPdfWriter(lookup);
        // Preferred for paths the system code page cannot hold.
        ThePdfWriterWide() = BindPdfWriterWide(lookup);
    }
    if (!ThePdfWriter().Complete()) {
        // A library lacking an entry point is as useless as a missing one.
        if (library)
            FreeLibrary(library);
        MessageBox(kLoadLibraryFailed, MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

bool CMainUIApp::LoadPageSizes()
{
    if (ThePageSizeTable().Load(L".\\Config\\PageSizes.txt"))
        return true;
    MessageBox(kLoadConfigFailed, MB_OK | MB_ICONERROR);
    return false;
}

void CMainUIApp::RunMainWindow()
{
    // Its result (whether the user chose to save before closing) is not used.
    CMainUIDlg window;
    window.DoModal(nullptr);
    SetMainWindow(nullptr);
}

void CMainUIApp::InitCommonControls()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};  // the Windows 95 classes
    InitCommonControlsEx(&controls);
    ::InitCommonControls();
    // Drag and drop and the shell's dialogs need OLE on this thread.
    OleInitialize(nullptr);
}

}  // namespace dravolt
