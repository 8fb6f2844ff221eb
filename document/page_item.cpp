#include "document/page_item.h"

#include <filesystem>
#include <system_error>

#include "document/page_file_format.h"
#include "imaging/color_ops.h"
#include "imaging/decode.h"
#include "imaging/geometry_ops.h"

namespace dravolt {

namespace {
constexpr imaging::Rgba kThumbnailCanvas{100, 100, 100, 255};
}

std::unique_ptr<CPageItem> CPageItem::Create(imaging::Size thumbnailSize, IPageOwner* owner,
                                             const std::wstring& path)
{
    std::unique_ptr<CPageItem> page(new CPageItem(thumbnailSize, owner));
    if (!page->LoadFromFile(path))
        return nullptr;
    return page;
}

bool CPageItem::LoadFromFile(const std::wstring& path)
{
    path_ = path;
    imaging::Image image = imaging::DecodeFile(std::filesystem::path(path));
    if (!image.IsValid())
        return false;
    xDpi_ = image.XDpi();
    yDpi_ = image.YDpi();
    HoldImage(std::move(image));  // as in the file: nothing to write back
    return true;
}

bool CPageItem::ReloadImage()
{
    imaging::Image image = imaging::DecodeFile(std::filesystem::path(path_));
    if (!image.IsValid())
        return false;
    xDpi_ = image.XDpi();
    yDpi_ = image.YDpi();
    width_ = image.Width();
    height_ = image.Height();
    image_ = std::make_shared<const imaging::Image>(std::move(image));
    // Only this page writes its file, so the thumbnail still shows it.
    if (!thumbnail_.IsValid())
        MakeThumbnail();
    return true;
}

void CPageItem::SetImage(imaging::Image image)
{
    HoldImage(std::move(image));
    writeBack_ = true;
}

void CPageItem::HoldImage(imaging::Image image)
{
    width_ = image.Width();
    height_ = image.Height();
    image_ = image.IsValid() ? std::make_shared<const imaging::Image>(std::move(image)) : nullptr;
    MakeThumbnail();
}

void CPageItem::MakeThumbnail()
{
    thumbnail_ = imaging::Image();
    if (image_ && image_->Bpp() == 1) {
        imaging::Image grey = *image_;
        imaging::Grayscale(grey);
        thumbnail_ = imaging::Thumbnail(grey, thumbnailSize_, kThumbnailCanvas);
    } else if (image_) {
        thumbnail_ = imaging::Thumbnail(*image_, thumbnailSize_, kThumbnailCanvas);
    }
    if (owner_)
        owner_->RedrawPage(*this);
}

const imaging::Image& CPageItem::FullImage() const
{
    static const imaging::Image none;
    return image_ ? *image_ : none;
}

bool CPageItem::SaveToFile() const
{
    return image_ && WritePageFile(*image_, xDpi_, yDpi_, std::filesystem::path(path_));
}

bool CPageItem::WriteBackIfChanged()
{
    if (!writeBack_)
        return true;
    if (SaveToFile()) {
        writeBack_ = false;
        failureReported_ = false;
        return true;
    }
    if (!failureReported_ && owner_) {
        failureReported_ = true;
        owner_->ReportWriteBackFailure(path_);
    }
    return false;
}

void CPageItem::Select()
{
    const bool wasSelected = selected_;
    selected_ = true;
    if (wasSelected)
        return;
    if (!image_)
        ReloadImage();
    if (owner_) {
        owner_->InvalidateViewer();
        owner_->RedrawPage(*this);
        owner_->PageListChanged();
    }
}

void CPageItem::Deselect()
{
    selected_ = false;
    // A page whose edit could not be saved keeps its image for the next try.
    if (WriteBackIfChanged())
        image_.reset();
}

void CPageItem::Rotate(bool right)
{
    if (!selected_ || !image_)
        return;
    imaging::Image turned = *image_;
    if (!(right ? imaging::RotateRight(turned) : imaging::RotateLeft(turned)))
        return;
    turned.SetResolution(xDpi_, yDpi_);
    SetImage(std::move(turned));
    if (owner_)
        owner_->RedrawViewerNow();
}

void CPageItem::DeleteImageFile()
{
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(path_), ignored);
    if (owner_)
        owner_->PageListChanged();
}

}  // namespace dravolt
