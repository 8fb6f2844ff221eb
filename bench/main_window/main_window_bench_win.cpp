// Main window benchmark: the page list and the page viewer of the main
// window, laid out as when it is maximised on a 1280 x 1024 screen, with
// 300 A4 pages scanned at 300 dpi (2480 x 3508 JPEG page files in four
// different pictures). It prints:
//   - adding the pages: each file copied into the working folder and added
//     with the page list's AddPage, the window painted after each page;
//   - 30 selection changes spread over the list, far jumps included, by a
//     click on the row and by SelectPage: from the change until the viewer
//     has its new picture and the window is painted (min/median/max);
//   - scrolling the list from top to bottom by pages (SB_PAGEDOWN), each
//     step painted (median/max per step);
//   - saving all pages to one PDF with image-size pages through the
//     publish worker on its own thread, and the size of the PDF;
//   - the working set after each step and its peak.
// It is a figure printer, not a test: nothing is timed against a limit.
//
// How to run, after a mingw build of the target main_window_bench (the build
// copies Brennix.dll, Tamsel.dll and Quorlet.dll beside the program):
//   DRAVOLT_WINE_TIMEOUT=3600 scripts/wine.sh run BUILD BUILD/bench/main_window/main_window_bench.exe [PDF]
// PDF is a Windows path where the PDF is written and kept (for example
// Z:\tmp\bench-pages.pdf, then check it with qpdf --check /tmp/bench-pages.pdf).
// Without it the PDF goes to the temporary folder and is deleted at the end,
// like the generated scans and the working folder of page files. Under Wine
// on a busy two-core machine a run takes about a quarter of an hour, longer
// than the ten minutes wine.sh allows by default, hence the variable. It
// needs about 1.5 GB of free disk space in the temporary folder.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <psapi.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/page_file_store_win.h"
#include "bench/main_window/a4_pictures.h"
#include "bench/main_window/bench_frame_win.h"
#include "bench/main_window/figures.h"
#include "framework/message_loop_win.h"
#include "imaging/decode.h"
#include "imaging/encode.h"
#include "imaging/thumbnail.h"
#include "pdf/pdf_publish_worker_win.h"
#include "pdf/pdf_writer_binding.h"
#include "skin/tamsel.h"

namespace {

using namespace dravolt;
using namespace dravolt::bench;
namespace fs = std::filesystem;

constexpr int kPages = 300;

// GDI+ for the whole run: the working folder and the publish worker ask it
// for file formats.
class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (started_)
            Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// The writer library bound as the program binds it at start-up, unbound
// again before the library goes.
class WriterBinding {
public:
    WriterBinding() : library_(LoadLibraryW(L"Quorlet.dll"))
    {
        if (!library_)
            return;
        auto lookup = [this](const char* name) {
            return reinterpret_cast<void*>(GetProcAddress(library_.Get(), name));
        };
        ThePdfWriter() = BindPdfWriter(lookup);
        ThePdfWriterWide() = BindPdfWriterWide(lookup);
    }
    ~WriterBinding()
    {
        ThePdfWriter() = {};
        ThePdfWriterWide() = {};
    }
    WriterBinding(const WriterBinding&) = delete;
    WriterBinding& operator=(const WriterBinding&) = delete;
    bool Bound() const { return ThePdfWriter().Complete(); }

private:
    UniqueModule library_;
};

void PrintMemory(const char* when)
{
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    std::printf("  working set %s: %.0f MB (peak so far %.0f MB)\n", when,
                counters.WorkingSetSize / 1048576.0, counters.PeakWorkingSetSize / 1048576.0);
    std::fflush(stdout);
}

void PrintSpread(const char* what, const Spread& spread)
{
    std::printf("  %-44s min %7.1f  median %7.1f  max %7.1f ms\n", what, spread.min, spread.median, spread.max);
}

void Pump() { PumpPendingMessages(); }

// The scans to import: kPages files cycling through the A4 variants.
std::vector<std::wstring> WriteScans(const fs::path& folder)
{
    std::vector<std::vector<std::uint8_t>> jpegs;
    for (int variant = 0; variant < kA4Variants; ++variant) {
        jpegs.push_back(A4Jpeg(variant));
        std::printf("  A4 picture %d: %.0f KB of JPEG\n", variant, jpegs.back().size() / 1024.0);
        if (jpegs.back().empty())
            return {};
    }
    std::vector<std::wstring> scans;
    for (int i = 0; i < kPages; ++i) {
        wchar_t name[32];
        swprintf(name, 32, L"scan%03d.jpg", i);
        scans.push_back((folder / name).wstring());
        if (!imaging::WriteFileBytes(scans.back(), jpegs[static_cast<std::size_t>(i % kA4Variants)]))
            return {};
    }
    return scans;
}

constexpr int kReferenceSamples = 2 * kA4Variants;

// Peers of the figures below: what decoding a page file, making its
// thumbnail and copying the file cost on their own, on the same files.
void PrintReferences(const std::vector<std::wstring>& scans, const fs::path& folder)
{
    std::vector<double> decode, thumbnail, copy;
    for (int i = 0; i < kReferenceSamples; ++i) {
        const std::wstring& scan = scans[static_cast<std::size_t>(i)];
        auto start = Clock::now();
        const imaging::Image image = imaging::DecodeFile(fs::path(scan));
        decode.push_back(MillisecondsSince(start));
        start = Clock::now();
        imaging::Thumbnail(image, {160, 95}, {100, 100, 100, 255});
        thumbnail.push_back(MillisecondsSince(start));
        const std::wstring target = (folder / ("copy" + std::to_string(i))).wstring();
        start = Clock::now();
        CopyFileW(scan.c_str(), target.c_str(), FALSE);
        copy.push_back(MillisecondsSince(start));
        DeleteFileW(target.c_str());
        if (!image.IsValid())
            std::printf("  a scan could not be decoded\n");
    }
    PrintSpread("decoding one page file alone:", SpreadOf(decode));
    PrintSpread("its thumbnail from the full image:", SpreadOf(thumbnail));
    PrintSpread("copying one page file alone (CopyFileW):", SpreadOf(copy));
}

bool AddPages(CBenchFrame& frame, const std::vector<std::wstring>& scans)
{
    std::vector<double> copy, add, paint;
    for (int i = 0; i < kPages; ++i) {
        auto start = Clock::now();
        const std::wstring page = CPageFileStore::Instance().ImportFile(scans[static_cast<std::size_t>(i)]);
        copy.push_back(MillisecondsSince(start));
        start = Clock::now();
        const int row = page.empty() ? -1 : frame.List().AddPage(page);
        add.push_back(MillisecondsSince(start));
        start = Clock::now();
        frame.PaintNow();
        Pump();
        paint.push_back(MillisecondsSince(start));
        if (row != i) {
            std::printf("  page %d was not added\n", i);
            return false;
        }
    }
    const Spread copySpread = SpreadOf(copy), addSpread = SpreadOf(add), paintSpread = SpreadOf(paint);
    std::printf("  %d pages added in %.2f s (copy into working folder %.2f s, AddPage %.2f s, painting %.2f s)\n",
                kPages, (copySpread.total + addSpread.total + paintSpread.total) / 1000, copySpread.total / 1000,
                addSpread.total / 1000, paintSpread.total / 1000);
    PrintSpread("per page, AddPage (decode, thumbnail, viewer):", addSpread);
    PrintSpread("per page, painting after it:", paintSpread);
    return true;
}

// Rows far apart and next to each other, each different from the one before.
constexpr int kTargets[] = {0,   299, 150, 151, 152, 10,  290, 45,  46,  200, 1,   298, 120, 121, 250,
                            30,  270, 90,  89,  180, 5,   295, 60,  61,  240, 15,  285, 135, 136, 299};

// Scrolls the row into view (not timed), as a user does before clicking it.
POINT ShowRowForClick(CBenchFrame& frame, int row)
{
    const HWND list = frame.List().Handle();
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row > 2 ? row - 2 : 0), 0);
    frame.PaintNow();
    Pump();
    RECT rect{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Click(CBenchFrame& frame, POINT point)
{
    const LPARAM at = MAKELPARAM(point.x, point.y);
    SendMessageW(frame.List().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(frame.List().Handle(), WM_LBUTTONUP, 0, at);
}

bool ShowsRow(CBenchFrame& frame, int row)
{
    const CPageItem* page = frame.List().GetSelectedPage();
    return frame.List().SelectedRow() == row && page && page->HasFullImage() &&
           frame.Viewer().ControlText().IsEmpty();
}

void ChangeSelection(CBenchFrame& frame, bool byClick)
{
    std::vector<double> times;
    int wrong = 0;
    const int refreshesBefore = frame.ViewerRefreshes();
    for (const int row : kTargets) {
        POINT point{};
        if (byClick)
            point = ShowRowForClick(frame, row);
        const auto start = Clock::now();
        if (byClick)
            Click(frame, point);
        else
            frame.List().SelectPage(row);
        frame.PaintNow();
        times.push_back(MillisecondsSince(start));
        wrong += ShowsRow(frame, row) ? 0 : 1;
        Pump();
    }
    const int changes = static_cast<int>(std::size(kTargets));
    PrintSpread(byClick ? "click on a row until painted:" : "SelectPage until painted:", SpreadOf(times));
    std::printf("  %-44s %.1f viewer pictures per change%s\n", "",
                static_cast<double>(frame.ViewerRefreshes() - refreshesBefore) / changes,
                wrong ? ", SOME CHANGES DID NOT SHOW THEIR PAGE" : "");
}

// The viewer's share of a selection change: taking the selected page's
// picture and painting it, with nothing else changing.
void PrintViewerReference(CBenchFrame& frame)
{
    std::vector<double> times;
    for (int i = 0; i < kReferenceSamples; ++i) {
        const auto start = Clock::now();
        frame.Viewer().ShowPage(frame.List().GetSelectedPage());
        frame.PaintNow();
        times.push_back(MillisecondsSince(start));
        Pump();
    }
    PrintSpread("the viewer alone (ShowPage and painting):", SpreadOf(times));
}

void ScrollTopToBottom(CBenchFrame& frame)
{
    const HWND list = frame.List().Handle();
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    frame.PaintNow();
    Pump();
    std::vector<double> steps;
    for (int step = 0; step < kPages; ++step) {
        const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        const auto start = Clock::now();
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        UpdateWindow(list);
        const double ms = MillisecondsSince(start);
        Pump();
        if (SendMessageW(list, LB_GETTOPINDEX, 0, 0) == top)
            break;  // at the bottom: this step moved nothing
        steps.push_back(ms);
    }
    const Spread spread = SpreadOf(steps);
    std::printf("  %zu page-down steps to the bottom (top row %d of %d), %.0f ms in all\n", steps.size(),
                static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)), kPages, spread.total);
    PrintSpread("per step, scroll and paint:", spread);
}

void Save(CBenchFrame& frame, const std::wstring& pdf)
{
    PdfOutputSettings settings;  // the defaults: image-size pages, no margins
    settings.outputPath = pdf;
    CPDFPublishWorker worker;
    worker.Init(settings, frame.List().Pages());
    const auto start = Clock::now();
    const bool started = worker.Start();
    worker.WaitForEnd();  // pumps: the worker reads the rows through the list window
    const double ms = MillisecondsSince(start);
    TaskProgress record;
    worker.QueryProgress(&record);
    std::error_code error;
    const auto bytes = fs::file_size(fs::path(pdf), error);
    std::printf("  %d of %d pages saved in %.2f s (%.1f ms per page)%s\n", worker.Result().pagesWritten, kPages,
                ms / 1000, ms / kPages, started && !record.failed ? "" : ", THE SAVE FAILED");
    std::printf("  PDF %.1f MB: %ls\n", error ? 0.0 : bytes / 1048576.0, pdf.c_str());
}

struct Folders {
    fs::path bench, scans;
};

Folders MakeFolders()
{
    Folders folders;
    folders.bench = fs::temp_directory_path() / "dravolt-main-window-bench";
    folders.scans = folders.bench / "scans";
    std::error_code error;
    fs::remove_all(folders.bench, error);
    fs::create_directories(folders.scans, error);
    return folders;
}

// Everything with the window open; the window and its pages go before the
// files are removed.
bool RunWithWindow(const std::vector<std::wstring>& scans, const std::wstring& pdf)
{
    CBenchFrame frame;
    if (!frame.Open()) {
        std::printf("the window could not be made\n");
        return false;
    }
    const RECT list = frame.ListRect(), viewer = frame.ViewerRect();
    std::printf("page list %ld x %ld, viewer %ld x %ld pixels\n", list.right - list.left, list.bottom - list.top,
                viewer.right - viewer.left, viewer.bottom - viewer.top);
    std::printf("adding:\n");
    if (!AddPages(frame, scans))
        return false;
    PrintMemory("after adding");
    std::printf("selection changes (%zu rows spread over the list):\n", std::size(kTargets));
    ChangeSelection(frame, true);
    ChangeSelection(frame, false);
    PrintViewerReference(frame);
    PrintMemory("after selecting");
    std::printf("scrolling:\n");
    ScrollTopToBottom(frame);
    std::printf("saving:\n");
    Save(frame, pdf);
    PrintMemory("after saving");
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    work(0);  // the skin pack hands its images to the paint library, as in the program
    const GdiplusSession gdiplus;
    const WriterBinding writer;
    if (!gdiplus.Started() || !writer.Bound() || !CPageFileStore::Instance().Prepare()) {
        std::printf("GDI+, Quorlet.dll beside the program or the working folder is missing\n");
        return 1;
    }
    const Folders folders = MakeFolders();
    const bool keepPdf = argc > 1;
    const std::wstring pdf = keepPdf ? std::wstring(argv[1]) : (folders.bench / "pages.pdf").wstring();
    std::printf("generating %d A4 300-dpi scans (%d x %d):\n", kPages, kA4Width, kA4Height);
    const std::vector<std::wstring> scans = WriteScans(folders.scans);
    if (!scans.empty()) {
        std::printf("reference:\n");
        PrintReferences(scans, folders.bench);
    }
    const bool ran = !scans.empty() && RunWithWindow(scans, pdf);
    std::error_code error;
    fs::remove_all(folders.bench, error);
    fs::remove_all(fs::path(CPageFileStore::Instance().Folder()), error);
    return ran ? 0 : 1;
}
