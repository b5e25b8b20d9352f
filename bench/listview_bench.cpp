// Costs of the list view on the headless screen: painting a page of a 10,000-row virtual
// report, scrolling through it a page at a time, and filling a real list of 10,000 items.
#include "FormScene.h"

#include "ui/ListView.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tavrik;

namespace {

constexpr int kRows = 10000;

struct TScene : TFormScene {
    TListView* list = nullptr;

    TScene() : TFormScene(800, 700, 1280, 1024)
    {
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 780, 680);
        list->SetViewStyle(TViewStyle::vsReport);
        for (int w : {300, 100, 120, 160}) list->Columns().Add()->SetWidth(w);
    }
    void MakeVirtual()
    {
        list->SetOwnerData(true);
        list->OnData = [](TComponent*, TListItem* item) {
            int i = item->Index();
            item->SetCaption("/home/user/Pictures/holiday/picture_" + std::to_string(i) + ".jpg");
            item->SetSubItems({std::to_string(i * 1237 % 100000), "JPEG picture", "2026-12-09 18:00"});
        };
        list->Items().SetCount(kRows);
    }
};

void BM_PaintVirtualReportPage(benchmark::State& state)
{
    TScene scene;
    scene.MakeVirtual();
    ProcessMessages();
    for (auto _ : state) {
        scene.list->Invalidate();
        UpdateWindow(scene.list->Handle());
    }
    state.SetItemsProcessed(state.iterations() * scene.list->CountPerPage());
}
BENCHMARK(BM_PaintVirtualReportPage)->Unit(benchmark::kMillisecond);

void BM_PageThroughVirtualReport(benchmark::State& state)
{
    TScene scene;
    scene.MakeVirtual();
    ProcessMessages();
    int pages = 0;
    for (auto _ : state) {
        SendMessage(scene.list->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
        if (scene.list->TopIndex() >= kRows - scene.list->CountPerPage())
            SendMessage(scene.list->Handle(), WM_VSCROLL, SB_TOP, 0);
        UpdateWindow(scene.list->Handle());
        ++pages;
    }
    state.SetItemsProcessed(int64_t(pages) * scene.list->CountPerPage());
}
BENCHMARK(BM_PageThroughVirtualReport)->Unit(benchmark::kMillisecond);

void BM_FillTenThousandItems(benchmark::State& state)
{
    TScene scene;
    scene.list->SetViewStyle(TViewStyle::vsList);
    for (auto _ : state) {
        scene.list->Items().BeginUpdate();
        for (int i = 0; i < kRows; ++i) scene.list->Items().Add()->SetCaption("picture_" + std::to_string(i) + ".jpg");
        scene.list->Items().EndUpdate();
        UpdateWindow(scene.list->Handle());
        scene.list->Items().Clear();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FillTenThousandItems)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
