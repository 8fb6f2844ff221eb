// The main window's page commands: deleting and moving pages, turning the
// selected page, zooming the viewer, and the commands whose dialogs are
// still to come (Optimize Page, Import Folder). None of them changes the
// modified flag: only pages that arrive do.
#include "ui/main/main_ui_dlg_win.h"

#include "app/page_file_store_win.h"
#include "document/page_item.h"
#include "framework/application_win.h"
#include "ui/main/main_ui_ids.h"

namespace dravolt {

void CMainUIDlg::RegisterPageCommands()
{
    Commands().On(ID_EDIT_DELETE_PAGE, [this] { DeleteSelectedPage(); });
    Commands().On(ID_EDIT_DELETE_ALL, [this] { DeleteAllPages(); });
    Commands().On(ID_EDIT_MOVE_FIRST, [this] { MoveSelectedPage(true); });
    Commands().On(ID_EDIT_MOVE_LAST, [this] { MoveSelectedPage(false); });
    Commands().On(ID_EDIT_OPTIMIZE, [this] { OptimizePage(); });
    Commands().On(ID_FILE_IMPORT_FOLDER, [this] { ImportFolder(); });
    Commands().On(ID_ARROW_IMPORT_FOLDER, [this] { ImportFolder(); });
}

bool CMainUIDlg::PagesUsable() const { return pageFiles_ && pageFiles_->IsReady() && pageList_.Handle(); }

void CMainUIDlg::DeleteSelectedPage()
{
    if (!PagesUsable())
        return;
    const int row = pageList_.SelectedRow();
    if (row >= 0 && row < pageList_.RowCount())
        pageList_.DeletePage(row);
    ShowSelectedPage();
}

void CMainUIDlg::DeleteAllPages()
{
    if (!PagesUsable() || pageList_.RowCount() == 0)
        return;
    if (FrameworkMessageBox(Handle(), L"Are you sure to remove all pages?", MB_YESNO) != IDYES)
        return;
    pageList_.RemoveAllPages(true);
    ShowSelectedPage();
}

void CMainUIDlg::MoveSelectedPage(bool toFirst)
{
    if (!PagesUsable())
        return;
    const int rows = pageList_.RowCount();
    const int row = pageList_.SelectedRow();
    const int target = toFirst ? 0 : rows - 1;
    if (row < 0 || row >= rows || row == target)
        return;
    pageList_.MoveItem(row, target);  // the moved row stays selected
}

void CMainUIDlg::RotateSelectedPage(bool right)
{
    if (!PagesUsable())
        return;
    if (CPageItem* page = pageList_.GetSelectedPage()) {
        page->Rotate(right);
        ShowSelectedPage();  // the viewer draws its own copy of the image
    }
}

void CMainUIDlg::OptimizePage()
{
    if (!PagesUsable() || !pageList_.GetSelectedPage())
        return;
    // The optimise dialog takes the page's image here once it exists; until
    // then the command leaves the page as it is.
}

void CMainUIDlg::ImportFolder()
{
    // The import-folder dialog chooses the folder and finds its images; until
    // it exists the command shows nothing and imports nothing.
}

void CMainUIDlg::ZoomViewer(ZoomRequest request)
{
    if (!viewer_.Handle())
        return;
    switch (request) {
    case ZoomRequest::In:
        viewer_.SetZoom(mainui::SteppedZoom(viewer_.Zoom(), +1));
        break;
    case ZoomRequest::Out:
        viewer_.SetZoom(mainui::SteppedZoom(viewer_.Zoom(), -1));
        break;
    case ZoomRequest::Actual:
        viewer_.SetZoom(1.0f);
        break;
    }
    if (statusBar_.Handle())
        statusBar_.SetPaneText(1, std::to_wstring(mainui::ZoomPercent(viewer_.Zoom())) + L"%");
}

void CMainUIDlg::ShowSelectedPage()
{
    if (layoutReady_ && viewer_.Handle())
        viewer_.ShowPage(pageList_.GetSelectedPage());
}

}  // namespace dravolt
