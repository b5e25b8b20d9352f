// Costs of the component framework on the headless screen: realigning a form full of aligned
// and anchored controls when it is resized, and repainting a form of labels and buttons.
#include "FormScene.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tavrik;

namespace {

struct TScene : TFormScene {
    TScene() : TFormScene(1200, 800, 1920, 1080) {}
};

// Rows of panels, each holding an aligned strip and anchored buttons.
void BM_RealignOnResize(benchmark::State& state)
{
    TScene scene;
    int rows = int(state.range(0));
    for (int i = 0; i < rows; ++i) {
        auto* row = new TPanel(scene.form);
        row->SetParent(scene.form);
        row->SetBounds(0, 0, 100, 30);
        row->SetAlign(TAlign::alTop);
        auto* strip = new TPanel(scene.form);
        strip->SetParent(row);
        strip->SetBounds(0, 0, 120, 10);
        strip->SetAlign(TAlign::alLeft);
        auto* button = new TButton(scene.form);
        button->SetParent(row);
        button->SetBounds(300, 2, 75, 25);
        button->SetAnchors(akTop | akRight);
    }
    ProcessMessages();
    int width = 1200;
    for (auto _ : state) {
        width = width == 1200 ? 1000 : 1200;
        scene.form->SetWidth(width);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_RealignOnResize)->Arg(10)->Arg(100);

void BM_RepaintForm(benchmark::State& state)
{
    TScene scene;
    for (int i = 0; i < 60; ++i) {
        auto* label = new TLabel(scene.form);
        label->SetParent(scene.form);
        label->SetCaption("Label number " + std::to_string(i));
        label->SetLeft(10 + (i % 6) * 190);
        label->SetTop(10 + (i / 6) * 70);
        auto* button = new TButton(scene.form);
        button->SetParent(scene.form);
        button->SetCaption("Button " + std::to_string(i));
        button->SetBounds(10 + (i % 6) * 190, 35 + (i / 6) * 70, 120, 25);
    }
    scene.form->SetDoubleBuffered(state.range(0) != 0);
    ProcessMessages();
    for (auto _ : state) {
        RedrawWindow(scene.form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        ProcessMessages();
    }
}
BENCHMARK(BM_RepaintForm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
