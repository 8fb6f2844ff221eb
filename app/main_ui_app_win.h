// The application object of Dravolt. All of its work happens in
// InitInstance: prepare the process, bind the PDF writer, load the page
// sizes, run the main window; it then always returns false so the process
// ends without a message loop of its own.
#pragma once

#include "framework/application_win.h"

namespace dravolt {

class CMainUIApp : public CApplication {
protected:
    bool InitInstance() override;

private:
    // Start-up steps that can fail; each shows its own message.
    bool LoadSkinPack();
    bool BindPdfWriterLibrary();
    bool LoadPageSizes();
    void InitCommonControls();
    // Runs the main window modally until the user closes it.
    void RunMainWindow();
};

}  // namespace dravolt
