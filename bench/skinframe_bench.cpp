// Costs of the skinned frame on the headless screen: repainting a whole skinned form, one morph
// tick of the caption buttons, and rebuilding the frame and its window region at full-screen
// size.
#include "FormScene.h"

#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

using namespace tavrik;

namespace {

// A form of the given size framed with the program's skin.
struct TSkinnedScene : TFormScene {
    TbsStoredSkin stored;
    TbsSkinData skin;
    TbsRevideruDadoZiri* frame = nullptr;

    TSkinnedScene(int width, int height) : TFormScene(width, height, 1920, 1080)
    {
        LoadProgramSkin(stored);
        skin.ApplyStoredSkin(stored);
        frame = new TbsRevideruDadoZiri(form);
        frame->SetSkinData(&skin);
        form->SetBounds(0, 0, width, height);
        ProcessMessages();
    }
    ~TSkinnedScene() { app.reset(); } // the forms go while their skin is still there
};

// Frame, client background and the presentation of the whole window.
void BM_RepaintSkinnedForm(benchmark::State& state)
{
    TSkinnedScene scene(683, 495);
    for (auto _ : state) {
        RedrawWindow(scene.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        ProcessMessages();
    }
}
BENCHMARK(BM_RepaintSkinnedForm)->Unit(benchmark::kMillisecond);

// Every caption button half-way through its morph steps once and repaints itself.
void BM_MorphTickOfCaptionButtons(benchmark::State& state)
{
    TSkinnedScene scene(683, 495);
    std::vector<TbsActiveSkinObject*> buttons;
    for (auto& object : scene.frame->Objects())
        if (object->morphing && object->Visible) buttons.push_back(object.get());
    bool up = true;
    for (auto _ : state) {
        for (TbsActiveSkinObject* button : buttons) {
            button->Active = up;
            button->MorphFactor = 0.5;
            button->MorphStep();
        }
        up = !up;
    }
    state.counters["buttons"] = double(buttons.size());
}
BENCHMARK(BM_MorphTickOfCaptionButtons)->Unit(benchmark::kMicrosecond);

// The frame's own work at full-screen size: its pictures cut and stretched from the skin with
// the caption objects drawn on them, and the window's shape cut from the mask.
void BM_RebuildFrameAndRegionFullScreen(benchmark::State& state)
{
    TSkinnedScene scene(1920, 1080);
    TBitmap window(1920, 1080);
    TCanvas canvas(window);
    for (auto _ : state) {
        scene.frame->PaintFrameOn(canvas);
        std::optional<TRegion> shape = scene.frame->BuildShape();
        benchmark::DoNotOptimize(shape);
    }
}
BENCHMARK(BM_RebuildFrameAndRegionFullScreen)->Unit(benchmark::kMillisecond);

// The same through the window system: a size change of the window, with the region set and the
// headless screen composed again.
void BM_ResizeFullScreenWindow(benchmark::State& state)
{
    TSkinnedScene scene(1920, 1080);
    int height = 1080;
    for (auto _ : state) {
        height = height == 1080 ? 1079 : 1080;
        scene.form->SetBounds(0, 0, 1920, height);
        ProcessMessages();
    }
}
BENCHMARK(BM_ResizeFullScreenWindow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
