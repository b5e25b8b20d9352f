// What a watched folder costs when another program fills it: 1,000 files written into the
// folder the file list shows, until the list shows them all. Arg 0 counts the writing too;
// arg 1 only what follows the last file (hearing, one listing, the rows). The list's settle
// time (200 ms on the window system's clock) passes at once on the headless clock and comes
// on top on a real desktop.
#include "FormScene.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinFileListView.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 1000;

void AwaitListing(TbsSkinFileListView* list, THeadlessBackend* screen)
{
    {
        TWorkerWait waiting;
        RunMessageLoopUntil([list] { return list->RefreshPending(); });
    }
    screen->Advance(TShellWatch::kSettleMs);
}

void BM_ThousandFilesWrittenUntilListed(benchmark::State& state)
{
    const fs::path home = fs::temp_directory_path() / ("tavrik-watch-bench-" + std::to_string(::getpid()));
    const fs::path folder = home / "incoming";
    fs::create_directories(folder);
    {
        TFormScene scene(400, 300);
        auto* list = new TbsSkinFileListView(scene.form);
        list->SetParent(scene.form);
        list->SetBounds(0, 0, 380, 280);
        list->SetShellAccess(std::make_shared<TShellAccess>(
            std::make_shared<TShellNamespace>(TShellEnvironment::ForHome(home.string()))));
        list->SetAutoRefresh(true);
        list->SetPath(folder.string());
        const bool writingCounts = state.range(0) == 0;
        for (auto _ : state) {
            if (!writingCounts) state.PauseTiming();
            for (int i = 0; i < kFiles; ++i) std::ofstream(folder / ("IMG_" + std::to_string(i) + ".jpg"));
            if (!writingCounts) state.ResumeTiming();
            AwaitListing(list, scene.screen);
            list->Repaint();
            if (list->RowCount() != kFiles) state.SkipWithError("the list does not show every file");
            state.PauseTiming();
            for (int i = 0; i < kFiles; ++i) fs::remove(folder / ("IMG_" + std::to_string(i) + ".jpg"));
            AwaitListing(list, scene.screen);
            state.ResumeTiming();
        }
        state.SetItemsProcessed(state.iterations() * kFiles);
    }
    fs::remove_all(home);
}
// Fixed rounds: with the writing paused the timed part is short, and the rounds spent paused
// would otherwise run for minutes.
BENCHMARK(BM_ThousandFilesWrittenUntilListed)->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
