// Costs of the list view on the headless screen: painting a page of a 10,000-row virtual
// report, scrolling through it a page at a time, and filling a real list of 10,000 items.
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tavrik;

namespace {

constexpr int kRows = 10000;

struct TScene {
    std::unique_ptr<TWindowSystem> ws;
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TListView* list = nullptr;

    TScene()
    {
        THeadlessOptions options;
        options.width = 1280;
        options.height = 1024;
        ws = std::make_unique<TWindowSystem>(std::make_unique<THeadlessBackend>(options));
        app = std::make_unique<TApplication>();
        form = app->CreateForm<TForm>();
        form->SetBounds(0, 0, 800, 700);
        form->Show();
        list = new TListView(form);
        list->SetParent(form);
        list->SetBounds(0, 0, 780, 680);
        list->SetViewStyle(TViewStyle::vsReport);
        for (int w : {300, 100, 120, 160}) list->Columns().Add()->SetWidth(w);
    }
    ~TScene()
    {
        app.reset();
        ws.reset();
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
