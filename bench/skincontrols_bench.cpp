// Costs of the skinned buttons, sliders, labels, check boxes and panels on the headless
// screen, in the program's skin: repainting one control at its usual size, one step of a
// button's morph.
#include "FormScene.h"

#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinCheckRadioBox.h"
#include "skincontrols/SkinExPanel.h"
#include "skincontrols/SkinGauge.h"
#include "skincontrols/SkinGroupBox.h"
#include "skincontrols/SkinLabel.h"
#include "skincontrols/SkinLinkLabel.h"
#include "skincontrols/SkinPanel.h"
#include "skincontrols/SkinSpeedButton.h"
#include "skincontrols/SkinStatusPanel.h"
#include "skincontrols/SkinTrackBar.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <functional>

using namespace tavrik;

namespace {

struct TSkinScene : TFormScene {
    TSkinScene() : TFormScene(640, 480)
    {
        LoadProgramSkin(stored);
        skin.ApplyStoredSkin(stored);
    }
    THeadlessBackend& Screen() { return *screen; }
    TbsStoredSkin stored;
    TbsSkinData skin;
};

template <class T>
T* Place(TSkinScene& scene, int width, int height, const std::function<void(T*)>& setUp = [](T*) {})
{
    auto* control = new T(scene.form);
    control->SetParent(scene.form);
    control->SetBounds(20, 20, width, height);
    setUp(control);
    control->SetSkinData(&scene.skin);
    ProcessMessages();
    return control;
}

template <class T>
void Repaint(benchmark::State& state, int width, int height, const std::function<void(T*)>& setUp = [](T*) {})
{
    TSkinScene scene;
    T* control = Place<T>(scene, width, height, setUp);
    for (auto _ : state) {
        control->Invalidate();
        control->Update();
    }
}

void BM_PaintButton(benchmark::State& s) { Repaint<TbsSkinButton>(s, 75, 25, [](auto* b) { b->SetCaption("Open"); }); }
void BM_PaintSpeedButton(benchmark::State& s) { Repaint<TbsSkinSpeedButton>(s, 25, 25); }
void BM_PaintTrackBar(benchmark::State& s) { Repaint<TbsSkinTrackBar>(s, 150, 20); }
void BM_PaintGauge(benchmark::State& s)
{
    Repaint<TbsSkinGauge>(s, 200, 17, [](auto* g) {
        g->SetSkinDataName("statusgauge");
        g->SetShowPercent(true);
    });
}
void BM_PaintLabel(benchmark::State& s) { Repaint<TbsSkinLabel>(s, 120, 21, [](auto* l) { l->SetCaption("图片压缩"); }); }
void BM_PaintStatusPanel(benchmark::State& s)
{
    Repaint<TbsSkinStatusPanel>(s, 200, 21, [](auto* p) { p->SetCaption("未加载图片"); });
}
void BM_PaintCheckBox(benchmark::State& s) { Repaint<TbsSkinCheckRadioBox>(s, 150, 25, [](auto* b) { b->SetCaption("Keep proportions"); }); }
void BM_PaintPanel(benchmark::State& s) { Repaint<TbsSkinPanel>(s, 300, 200); }
void BM_PaintGroupBox(benchmark::State& s) { Repaint<TbsSkinGroupBox>(s, 300, 200, [](auto* g) { g->SetCaption("帮助"); }); }
void BM_PaintExPanel(benchmark::State& s) { Repaint<TbsSkinExPanel>(s, 300, 200, [](auto* p) { p->SetCaption("Batch"); }); }
BENCHMARK(BM_PaintButton);
BENCHMARK(BM_PaintSpeedButton);
BENCHMARK(BM_PaintTrackBar);
BENCHMARK(BM_PaintGauge);
BENCHMARK(BM_PaintLabel);
BENCHMARK(BM_PaintStatusPanel);
BENCHMARK(BM_PaintCheckBox);
BENCHMARK(BM_PaintPanel);
BENCHMARK(BM_PaintGroupBox);
BENCHMARK(BM_PaintExPanel);

// Ten steps toward the hot image and ten back per iteration; the figure is per step.
void BM_ButtonMorphTick(benchmark::State& state)
{
    TSkinScene scene;
    auto* button = Place<TbsSkinButton>(scene, 75, 25, [](auto* b) { b->SetCaption("Open"); });
    const TPoint inside = button->ClientToScreen({30, 10});
    for (auto _ : state) {
        scene.Screen().MouseMove(inside.x, inside.y);
        for (int i = 0; i < 10; ++i) scene.Screen().Advance(20);
        scene.Screen().MouseMove(600, 400);
        for (int i = 0; i < 10; ++i) scene.Screen().Advance(20);
    }
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(BM_ButtonMorphTick);

} // namespace

BENCHMARK_MAIN();
