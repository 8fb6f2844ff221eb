// A page list of fixed pages and a writer that records its calls as text
// (and can be told to throw), for the publish run's tests.
#pragma once

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "pdf/publish_run.h"

namespace dravolt::test {

class FixedPages : public IPublishPageSource {
public:
    explicit FixedPages(std::vector<std::optional<PublishPage>> pages) : pages_(std::move(pages)) {}
    int PageCount() override { return static_cast<int>(pages_.size()); }
    std::optional<PublishPage> PreparePage(int row) override
    {
        prepared.push_back(row);
        return pages_.at(static_cast<std::size_t>(row));
    }
    std::vector<int> prepared;

private:
    std::vector<std::optional<PublishPage>> pages_;
};

class RecordingWriter : public IPublishWriter {
public:
    void InitDoc(const std::wstring& path) override { Record("Init " + Narrow(path)); }
    void BeginPage(double w, double h) override { Record("Begin " + Numbers({w, h})); }
    void InsertImage(double x, double y, double w, double h, const std::wstring& path) override
    {
        Record("Image " + Numbers({x, y, w, h}) + " " + Narrow(path));
    }
    void InsertTiffImage(double x, double y, double w, double h, const std::wstring& path) override
    {
        Record("Tiff " + Numbers({x, y, w, h}) + " " + Narrow(path));
    }
    void EndPage() override { Record("End"); }
    void FinishDoc() override { Record("Finish"); }

    std::vector<std::string> calls;
    std::set<std::size_t> throwAt;  // call numbers (from 0) that throw after being recorded

private:
    void Record(std::string call)
    {
        calls.push_back(std::move(call));
        if (throwAt.count(calls.size() - 1))
            throw std::runtime_error("writer failed");
    }
    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }
    static std::string Numbers(std::initializer_list<double> values)
    {
        std::string text;
        for (const double v : values) {
            if (!text.empty())
                text += ",";
            // Whole numbers are all the writer may be given: show any fraction.
            text += v == static_cast<long long>(v) ? std::to_string(static_cast<long long>(v))
                                                   : std::to_string(v);
        }
        return text;
    }
};

}  // namespace dravolt::test
