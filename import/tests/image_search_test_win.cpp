// The folder walk and the search task on a real folder under Wine: a small
// tree of image files, walked with and without subfolders, from unclean
// paths, with stop requests, and by the task on its own thread.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "import/image_search_worker_win.h"

namespace dravolt {
namespace {

namespace fs = std::filesystem;

// root: A.JPG b.jpeg c.jpe notes.txt, sub\d.jpg, sub\deeper\e.JPEG
class SearchTree {
public:
    SearchTree()
    {
        root_ = fs::temp_directory_path() / (L"dravolt-search-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(root_);
        fs::create_directories(root_ / L"sub" / L"deeper");
        for (const wchar_t* name : {L"A.JPG", L"b.jpeg", L"c.jpe", L"notes.txt", L"sub\\d.jpg", L"sub\\deeper\\e.JPEG"})
            std::ofstream(root_ / name) << "x";
    }
    ~SearchTree() { fs::remove_all(root_); }
    // The root without a trailing backslash, with the separators Windows uses.
    std::wstring Root() const { return root_.wstring(); }
    std::wstring At(const wchar_t* relative) const { return Root() + L"\\" + relative; }

private:
    fs::path root_;
};

// Records every call in order; ShouldStop answers true from call `stopFrom` on.
struct RecordingCallback : IFindFileCallback {
    int stopFrom = 0;  // 0: never
    int stopCalls = 0;
    std::vector<std::wstring> events;
    bool throwOnFile = false;

    bool ShouldStop() override
    {
        ++stopCalls;
        events.push_back(L"stop");
        return stopFrom && stopCalls >= stopFrom;
    }
    void OnFileFound(const std::wstring& path) override
    {
        if (throwOnFile)
            throw std::runtime_error("callback failed");
        events.push_back(L"file " + path);
    }
    void OnFolderFound(const std::wstring& path) override { events.push_back(L"folder " + path); }
    std::vector<std::wstring> Files() const
    {
        std::vector<std::wstring> files;
        for (const auto& e : events)
            if (e.rfind(L"file ", 0) == 0)
                files.push_back(e.substr(5));
        return files;
    }
    std::ptrdiff_t IndexOf(const std::wstring& event) const
    {
        return std::find(events.begin(), events.end(), event) - events.begin();
    }
};

std::vector<std::wstring> Sorted(std::vector<std::wstring> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

const std::vector<std::wstring> kJpegPatterns = {L"*.jpeg", L"*.jpg"};

TEST(FindFiles, MatchesInTheFolderOnlyButReportsItsSubfolders)
{
    SearchTree tree;
    RecordingCallback callback;
    std::vector<std::wstring> result;
    FindFiles(result, tree.Root(), false, kJpegPatterns, false, &callback);

    EXPECT_EQ(Sorted(result), Sorted({tree.At(L"A.JPG"), tree.At(L"b.jpeg")})) << "c.jpe is no JPEG name";
    EXPECT_EQ(callback.Files(), result) << "every match reported, in the order appended";
    EXPECT_EQ(callback.stopCalls, 1);
    EXPECT_EQ(std::count(callback.events.begin(), callback.events.end(), L"folder " + tree.At(L"sub")), 1)
        << "the subfolder, by its path without a trailing backslash";

    std::vector<std::wstring> withFolders;
    FindFiles(withFolders, tree.Root(), true, kJpegPatterns, false, nullptr);
    EXPECT_EQ(Sorted(withFolders), Sorted({tree.At(L"A.JPG"), tree.At(L"b.jpeg"), tree.At(L"sub")}));
}

TEST(FindFiles, IncludingSubfoldersWalksThemDepthFirstWhereTheyAreMet)
{
    SearchTree tree;
    RecordingCallback callback;
    std::vector<std::wstring> result;
    FindFiles(result, tree.Root(), false, kJpegPatterns, true, &callback);

    EXPECT_EQ(Sorted(result), Sorted({tree.At(L"A.JPG"), tree.At(L"b.jpeg"), tree.At(L"sub\\d.jpg"),
                                      tree.At(L"sub\\deeper\\e.JPEG")}));
    EXPECT_EQ(callback.stopCalls, 3) << "asked on entering each of the three folders";
    const auto sub = callback.IndexOf(L"folder " + tree.At(L"sub"));
    const auto deeper = callback.IndexOf(L"folder " + tree.At(L"sub\\deeper"));
    const auto d = callback.IndexOf(L"file " + tree.At(L"sub\\d.jpg"));
    const auto e = callback.IndexOf(L"file " + tree.At(L"sub\\deeper\\e.JPEG"));
    EXPECT_LT(sub, deeper);
    EXPECT_EQ(callback.events[sub + 1], L"stop") << "the subfolder is entered at once";
    EXPECT_EQ(callback.events[deeper + 1], L"stop");
    EXPECT_EQ(callback.events[deeper + 2], L"file " + tree.At(L"sub\\deeper\\e.JPEG"));
    EXPECT_LT(sub, d);
    EXPECT_LT(deeper, e);
}

TEST(FindFiles, UncleanFolderPathsGiveTheSameResultsAsTheCleanOne)
{
    SearchTree tree;
    std::vector<std::wstring> clean;
    FindFiles(clean, tree.Root() + L"\\", false, kJpegPatterns, true, nullptr);
    ASSERT_EQ(clean.size(), 4u);

    std::wstring slashes = tree.Root();
    std::replace(slashes.begin(), slashes.end(), L'\\', L'/');
    std::wstring doubled;
    for (wchar_t c : tree.Root())
        doubled += c == L'\\' ? std::wstring(L"\\\\") : std::wstring(1, c);
    const std::wstring forms[] = {tree.Root(), slashes, slashes + L"/", doubled + L"\\\\"};
    for (const std::wstring& form : forms) {
        std::vector<std::wstring> result;
        FindFiles(result, form, false, kJpegPatterns, true, nullptr);
        EXPECT_EQ(result, clean) << form;
    }

    // The long-path form keeps its prefix and finds the same files under it.
    std::vector<std::wstring> prefixed;
    FindFiles(prefixed, L"\\\\?\\" + tree.Root(), false, kJpegPatterns, true, nullptr);
    ASSERT_EQ(prefixed.size(), clean.size());
    for (std::size_t i = 0; i < clean.size(); ++i)
        EXPECT_EQ(prefixed[i], L"\\\\?\\" + clean[i]);
}

TEST(FindFiles, NothingToLookForOrNoFolderAsksOnceAndReportsNothing)
{
    SearchTree tree;
    struct Case {
        std::wstring folder;
        std::vector<std::wstring> patterns;
    };
    const Case cases[] = {
        {tree.Root(), {}},
        {L"", kJpegPatterns},
        {tree.At(L"missing"), kJpegPatterns},
        {tree.At(L"A.JPG"), kJpegPatterns},  // a file, not a folder
    };
    for (const Case& c : cases) {
        RecordingCallback callback;
        std::vector<std::wstring> result;
        FindFiles(result, c.folder, false, c.patterns, true, &callback);
        EXPECT_TRUE(result.empty()) << c.folder;
        EXPECT_EQ(callback.events, std::vector<std::wstring>{L"stop"}) << c.folder;
    }
}

TEST(FindFiles, AFileMatchingTwoPatternsIsAppendedTwice)
{
    SearchTree tree;
    std::vector<std::wstring> result;
    FindFiles(result, tree.Root(), false, {L"*.jpg", L"a.*"}, false, nullptr);
    EXPECT_EQ(result, (std::vector<std::wstring>{tree.At(L"A.JPG"), tree.At(L"A.JPG")}));
}

TEST(FindFiles, AStopRequestEndsTheWalkAtTheNextFolderEntered)
{
    SearchTree tree;
    RecordingCallback callback;
    callback.stopFrom = 2;  // the root is walked, the first subfolder entered is not
    std::vector<std::wstring> result;
    FindFiles(result, tree.Root(), false, kJpegPatterns, true, &callback);

    EXPECT_EQ(Sorted(result), Sorted({tree.At(L"A.JPG"), tree.At(L"b.jpeg")}))
        << "the folder being enumerated is still reported in full";
    EXPECT_EQ(callback.stopCalls, 2);
    EXPECT_EQ(callback.IndexOf(L"folder " + tree.At(L"sub\\deeper")), std::ssize(callback.events))
        << "the stopped subfolder is not enumerated";
}

TaskProgress RunToEnd(CImageSearchWorker& worker)
{
    EXPECT_TRUE(worker.Start());
    worker.WaitForEnd();
    TaskProgress record;
    EXPECT_TRUE(worker.QueryProgress(&record));
    return record;
}

TEST(ImageSearchWorker, WalksAValidFolderOnItsThread)
{
    SearchTree tree;
    RecordingCallback callback;
    std::vector<std::wstring> result;
    CImageSearchWorker worker;
    worker.Setup(kJpegPatterns, tree.Root(), true, &result, &callback);
    EXPECT_TRUE(worker.FolderIsValid());
    const TaskProgress record = RunToEnd(worker);
    EXPECT_FALSE(record.failed);
    EXPECT_EQ(record.progress, 100);
    EXPECT_EQ(result.size(), 4u);
    EXPECT_EQ(callback.Files(), result);
}

TEST(ImageSearchWorker, FailsWithoutWalkingOnAMissingFolderOrNoResultList)
{
    SearchTree tree;
    struct Case {
        std::wstring folder;
        bool withResult;
    };
    const Case cases[] = {
        {tree.At(L"missing"), true},
        {tree.At(L"A.JPG"), true},
        {tree.Root(), false},
    };
    for (const Case& c : cases) {
        RecordingCallback callback;
        std::vector<std::wstring> result;
        CImageSearchWorker worker;
        worker.Setup(kJpegPatterns, c.folder, false, c.withResult ? &result : nullptr, &callback);
        const TaskProgress record = RunToEnd(worker);
        EXPECT_TRUE(record.failed) << c.folder;
        EXPECT_EQ(record.progress, 100) << c.folder;
        EXPECT_TRUE(result.empty()) << c.folder;
        EXPECT_TRUE(callback.events.empty()) << c.folder;
    }
}

TEST(ImageSearchWorker, AWalkThatThrowsEndsAsFailed)
{
    SearchTree tree;
    RecordingCallback callback;
    callback.throwOnFile = true;
    std::vector<std::wstring> result;
    CImageSearchWorker worker;
    worker.Setup(kJpegPatterns, tree.Root(), false, &result, &callback);
    const TaskProgress record = RunToEnd(worker);
    EXPECT_TRUE(record.failed);
    EXPECT_EQ(record.progress, 100);
    EXPECT_EQ(worker.GetState(), kTaskEnded) << "the task caught it; its thread ended normally";
}

}  // namespace
}  // namespace dravolt
