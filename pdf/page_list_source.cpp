// Pages of the page list for the publish run.
#include "pdf/page_list_source.h"

#include "imaging/decode.h"

namespace dravolt {

int CPageListSource::PageCount()
{
    return static_cast<int>(pages_.Collection().Size());
}

std::optional<PublishPage> CPageListSource::PreparePage(int row)
{
    CPageItem* page = pages_.PageAt(row);
    if (!page)
        return std::nullopt;
    // The write-back flag stays set: the page is still the page list's to
    // write when it stops being selected.
    const bool fileIsCurrent = !page->NeedsWriteBack() || page->SaveToFile();
    PublishPage result{page->GetFilePath(), page->ImageWidth(), page->ImageHeight()};
    // Every page knows its size from when it was decoded; only a page that
    // never was is decoded here. When an edit could not be written, the file
    // still holds the page as it was (a turn not made), and its own size is
    // the one to lay out.
    if (!fileIsCurrent || result.width <= 0 || result.height <= 0) {
        const imaging::Image image = imaging::DecodeFile(std::filesystem::path(result.path));
        result.width = image.Width();
        result.height = image.Height();
    }
    return result;
}

}  // namespace dravolt
