// What a page asks of the list that shows it. The page list implements it
// with its window; tests record the calls.
#pragma once

#include <string>

namespace dravolt {

class CPageItem;

class IPageOwner {
public:
    virtual ~IPageOwner() = default;
    // The page's row must be drawn again (its thumbnail or state changed).
    virtual void RedrawPage(const CPageItem& page) = 0;
    // The page viewer must be drawn again: later (erasing) or at once.
    virtual void InvalidateViewer() = 0;
    virtual void RedrawViewerNow() = 0;
    // The set of pages or the selected page changed (the page-list change
    // message; the list posts it only from the main window's thread).
    virtual void PageListChanged() = 0;
    // A page could not be written back; called once per page until it is
    // saved again, so the user is told once.
    virtual void ReportWriteBackFailure(const std::wstring& path) = 0;
};

}  // namespace dravolt
