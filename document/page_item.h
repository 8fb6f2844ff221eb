// One page of the document: its page file, a thumbnail for the page list
// and, only while it is the selected page, its full image. Pages are written
// back to their file when they stop being selected, and only when their
// image was changed (a turn or another edit): a page that was merely looked
// at keeps its file byte for byte, so a JPEG scan is not re-encoded by a
// click. A write-back that fails keeps the edit for the next attempt.
#pragma once

#include <memory>
#include <string>

#include "document/page_owner.h"
#include "imaging/image.h"
#include "imaging/thumbnail.h"

namespace dravolt {

class CPageItem {
public:
    // Decodes the page file; none when it cannot be decoded.
    static std::unique_ptr<CPageItem> Create(imaging::Size thumbnailSize, IPageOwner* owner,
                                             const std::wstring& path);

    // Sets the path and decodes the file into the full image (resolution
    // included). False, images untouched, when the file cannot be decoded.
    bool LoadFromFile(const std::wstring& path);
    // An edit: the page now holds `image` and must be written back.
    void SetImage(imaging::Image image);
    // Writes the full image over the page file (see page_file_format.h);
    // false without a full image. The write-back flag is left as it is.
    bool SaveToFile() const;

    void Select();
    void Deselect();
    // A quarter turn of the selected page; nothing for any other page.
    void Rotate(bool right);
    // Deletes the page file (failures are ignored) and reports the change.
    void DeleteImageFile();

    const std::wstring& GetFilePath() const { return path_; }
    const imaging::Image& Thumbnail() const { return thumbnail_; }
    // An invalid image when no full image is held.
    const imaging::Image& FullImage() const;
    // The full image for a viewer, which may keep it while it shows it even
    // after the page lets it go; shared, not copied, since a 300-dpi page
    // is tens of megabytes. None when no full image is held.
    std::shared_ptr<const imaging::Image> SharedFullImage() const { return image_; }
    bool HasFullImage() const { return image_ != nullptr; }
    // The page image's size, known also while only the thumbnail is held:
    // the PDF layout asks it of every page without decoding them again.
    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    int XDpi() const { return xDpi_; }
    int YDpi() const { return yDpi_; }
    bool IsSelected() const { return selected_; }
    bool NeedsWriteBack() const { return writeBack_; }
    // For the import worker, which has just written the page file itself.
    void ClearWriteBack() { writeBack_ = false; }
    // Writes back a changed page now (the PDF worker's pre-save); true when
    // nothing was pending or the write succeeded.
    bool WriteBackIfChanged();

private:
    CPageItem(imaging::Size thumbnailSize, IPageOwner* owner)
        : thumbnailSize_(thumbnailSize), owner_(owner)
    {
    }
    // The full image again from the page file, for a page selected anew.
    bool ReloadImage();
    void HoldImage(imaging::Image image);
    void MakeThumbnail();

    std::wstring path_;
    imaging::Size thumbnailSize_;
    imaging::Image thumbnail_;
    int xDpi_ = 96;
    int yDpi_ = 96;
    std::shared_ptr<const imaging::Image> image_;  // held only while valid
    int width_ = 0;  // of the last full image, held or written to the file
    int height_ = 0;
    bool writeBack_ = false;  // the full image differs from the page file
    bool selected_ = false;
    bool failureReported_ = false;  // the user heard that the write-back failed
    IPageOwner* owner_;  // not owned: the list that shows the page
};

}  // namespace dravolt
