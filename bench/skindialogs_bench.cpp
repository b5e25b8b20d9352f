// What the file dialog does on a large folder and a large photograph: list a folder of 20,000
// files as rows (enumerate, wrap, mask, sort), show it in the skinned file list up to its
// first paint, and decode a 12-megapixel JPEG for the preview pane, against decoding it in
// full.
#include "BenchPhoto.h"
#include "FormScene.h"
#include "imaging/JpegCodec.h"
#include "imaging/PicturePreview.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/ShellListing.h"
#include "skindialogs/SkinFileListView.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 20000;

// A temporary home with one folder of kFiles files and one 4000 x 3000 JPEG; built once,
// removed at exit.
class TBenchHome {
public:
    TBenchHome()
    {
        root_ = fs::temp_directory_path() / ("tavrik-dialog-bench-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "big");
        const char* extensions[] = {".jpg", ".JPG", ".bmp", ".png", ".txt", ".zip"};
        for (int i = 0; i < kFiles; ++i)
            std::ofstream(root_ / "big" / ((i % 3 ? "IMG_" : "photo ") + std::to_string(i) + extensions[i % 6]));
        WriteBenchPhoto(Photo());
    }
    ~TBenchHome() { fs::remove_all(root_); }
    std::string Home() const { return root_.string(); }
    std::string Photo() const { return (root_ / "photo.jpg").string(); }

private:
    fs::path root_;
};

const TBenchHome& BenchHome()
{
    static TBenchHome home;
    return home;
}

void BM_ListFolderOf20000Files(benchmark::State& state)
{
    auto shell = std::make_shared<TShellNamespace>(TShellEnvironment::ForHome(BenchHome().Home()));
    auto access = std::make_shared<TShellAccess>(shell);
    TbsShellFolder::TPtr big = TbsShellFolder::FromRootOrPath(access, BenchHome().Home() + "/big");
    TShellListingRequest request;
    request.mask = state.range(0) ? "*.jpg;*.jpeg;*.bmp;" : "*.*|*.*";
    for (auto _ : state) {
        TShellListing listing = ListShellFolder(big, request);
        benchmark::DoNotOptimize(listing.items.data());
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ListFolderOf20000Files)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From a folder shown to the next painted in the file list, in each view style of the dialog.
void BM_FileListOf20000FilesToFirstPaint(benchmark::State& state)
{
    TFormScene scene(560, 320);
    auto* list = new TbsSkinFileListView(scene.form);
    list->SetParent(scene.form);
    list->SetBounds(0, 0, 540, 300);
    list->SetViewStyle(TViewStyle(state.range(0)));
    auto shell = std::make_shared<TShellNamespace>(TShellEnvironment::ForHome(BenchHome().Home()));
    list->SetShellAccess(std::make_shared<TShellAccess>(shell));
    const std::string home = BenchHome().Home(), big = home + "/big";
    list->SetPath(home);
    ProcessMessages();
    for (auto _ : state) {
        list->SetPath(big);
        UpdateWindow(list->Handle());
        state.PauseTiming();
        if (list->RowCount() != kFiles) state.SkipWithError("not every file listed");
        list->SetPath(home);
        UpdateWindow(list->Handle());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FileListOf20000FilesToFirstPaint)
    ->Arg(int(TViewStyle::vsList))
    ->Arg(int(TViewStyle::vsReport))
    ->Arg(int(TViewStyle::vsIcon))
    ->Unit(benchmark::kMillisecond);

// The dialog's preview pane at its first size: 190 wide, the window's 290 less the tool bar and
// the bottom pane.
void BM_PreviewOf12MegapixelJpeg(benchmark::State& state)
{
    std::string photo = BenchHome().Photo();
    for (auto _ : state) {
        TBitmap preview = LoadPicturePreview(photo, 190, 185);
        if (preview.Empty()) state.SkipWithError("no preview");
        benchmark::DoNotOptimize(preview.ScanLine(0));
    }
}
BENCHMARK(BM_PreviewOf12MegapixelJpeg)->Unit(benchmark::kMillisecond);

void BM_FullDecodeOf12MegapixelJpeg(benchmark::State& state)
{
    std::string photo = BenchHome().Photo();
    for (auto _ : state) benchmark::DoNotOptimize(JpegDecode(photo).ScanLine(0));
}
BENCHMARK(BM_FullDecodeOf12MegapixelJpeg)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
