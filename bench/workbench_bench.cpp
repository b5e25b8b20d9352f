// The whole workbench on the headless screen, as the program starts it: making its three windows
// until the main window has painted, repainting the main window in full with and without a
// picture, and opening a 12-megapixel JPEG until it shows. What the X server and the process
// start add on top is measured by bench/program_figures.sh on the real program.
#include "BenchPhoto.h"
#include "app/Calvane.h"
#include "app/Startup.h"
#include "support/HeadlessScene.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

// The 12-megapixel photograph in a temporary folder; written once, removed at exit.
class TBenchPhoto {
public:
    TBenchPhoto()
    {
        folder_ = fs::temp_directory_path() / ("tavrik-workbench-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        WriteBenchPhoto(Path());
    }
    ~TBenchPhoto() { fs::remove_all(folder_); }
    std::string Path() const { return (folder_ / "photo.jpg").string(); }

private:
    fs::path folder_;
};

const TBenchPhoto& BenchPhoto()
{
    static TBenchPhoto photo;
    return photo;
}

// The program's windows on a 1024 x 768 screen, the main window shown and painted.
struct TWorkbenchScene : test::THeadlessScene {
    TWorkbenchForms forms;

    TWorkbenchScene() : THeadlessScene(1024, 768)
    {
        forms = CreateWorkbenchForms(*app);
        forms.Calvane->Show();
        ProcessMessages();
    }
};

void BM_StartToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        auto scene = std::make_unique<TWorkbenchScene>();
        benchmark::DoNotOptimize(scene->forms.Calvane);
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond);

// Argument 1: with the 12-megapixel picture open.
void BM_FullRepaintOfMainWindow(benchmark::State& state)
{
    TWorkbenchScene scene;
    if (state.range(0)) {
        scene.forms.Calvane->OpenPictureFile(BenchPhoto().Path());
        ProcessMessages();
    }
    for (auto _ : state) {
        RedrawWindow(scene.forms.Calvane->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        ProcessMessages();
    }
}
BENCHMARK(BM_FullRepaintOfMainWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Open12MegapixelJpegUntilShown(benchmark::State& state)
{
    TWorkbenchScene scene;
    const std::string photo = BenchPhoto().Path();
    for (auto _ : state) {
        scene.forms.Calvane->OpenPictureFile(photo);
        ProcessMessages();
    }
}
BENCHMARK(BM_Open12MegapixelJpegUntilShown)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
