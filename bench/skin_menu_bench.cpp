// Opening a skinned popup menu of 20 entries: the window laid out, placed, painted (in the
// plain look and from the program's skin) and shown, then closed again.
#include "FormScene.h"

#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinMenu.h"
#include "ui/MenuItem.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace tavrik;

namespace {

void BM_OpenTwentyItemMenu(benchmark::State& state)
{
    TFormScene scene(800, 600);
    auto* data = new TbsSkinData(scene.form);
    if (state.range(0) != 0) {
        TbsStoredSkin stored;
        LoadProgramSkin(stored);
        data->ApplyStoredSkin(stored);
    }
    auto* engine = new TbsSkinMenu(scene.form);
    auto* root = new TMenuItem(scene.form);
    for (int i = 0; i < 20; ++i) {
        auto* item = new TMenuItem(scene.form);
        item->SetCaption(i % 7 == 6 ? "-" : "Entry &" + std::to_string(i));
        root->Add(item);
    }
    for (auto _ : state) {
        engine->MenuPopup(nullptr, data, 0, Rect(100, 50, 100, 50), root, false);
        benchmark::DoNotOptimize(engine->PopupWindowCount());
        engine->CloseAll();
    }
    state.SetLabel(state.range(0) != 0 ? "program skin" : "plain look");
}
BENCHMARK(BM_OpenTwentyItemMenu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
