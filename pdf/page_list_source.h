// The document's page list as the publish run reads it: rows in order,
// each page written back first when it holds an edit not yet in its file,
// and its pixel size (read from the page file when the page does not hold
// its full image, which only the selected page does).
#pragma once

#include "document/page_list.h"
#include "pdf/publish_run.h"

namespace dravolt {

class CPageListSource : public IPublishPageSource {
public:
    explicit CPageListSource(CPageList& pages) : pages_(pages) {}  // not owned
    int PageCount() override;
    std::optional<PublishPage> PreparePage(int row) override;

private:
    CPageList& pages_;
};

}  // namespace dravolt
