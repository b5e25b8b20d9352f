// Costs of the edit engine: a typed character lays out only the lines around it, so typing
// into a memo of 10,000 lines should cost about what it costs in one of 100 (target: one
// character, shown on the screen, within 2 ms); painting draws only the visible lines.
#include "FormScene.h"

#include "ui/Memo.h"
#include "wsys/WinApi.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tavrik;

namespace {

struct TScene : TFormScene {
    TMemo* memo = nullptr;

    explicit TScene(int lines) : TFormScene(640, 480)
    {
        memo = new TMemo(form);
        memo->SetParent(form);
        memo->SetBounds(10, 10, 600, 400);
        std::string text;
        for (int i = 0; i < lines; ++i) text += "第" + std::to_string(i) + "行 with a few words to wrap\n";
        memo->SetText(text);
        memo->SetFocus();
        ProcessMessages();
    }
};

// One character typed (and taken back, so the text keeps its length) per iteration.
void BM_TypeIntoMemo(benchmark::State& state)
{
    TScene scene(int(state.range(0)));
    HWND h = scene.memo->Handle();
    for (auto _ : state) {
        SendMessage(h, WM_CHAR, 'x', 0);
        SendMessage(h, WM_CHAR, '\b', 0);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2);
}
BENCHMARK(BM_TypeIntoMemo)->Arg(100)->Arg(1000)->Arg(10000);

// As the user sees it: the character typed near the end of the text and the memo painted.
void BM_TypeIntoMemoAndShow(benchmark::State& state)
{
    TScene scene(int(state.range(0)));
    HWND h = scene.memo->Handle();
    scene.memo->SetSelStart(scene.memo->GetTextLen() - 10);
    UpdateWindow(h);
    bool type = true;
    for (auto _ : state) {
        SendMessage(h, WM_CHAR, type ? 'x' : '\b', 0);
        type = !type;
        UpdateWindow(h);
    }
}
BENCHMARK(BM_TypeIntoMemoAndShow)->Arg(100)->Arg(10000);

// A full repaint of the memo after scrolling by a line.
void BM_ScrollAndPaintMemo(benchmark::State& state)
{
    TScene scene(int(state.range(0)));
    HWND h = scene.memo->Handle();
    int direction = 1;
    for (auto _ : state) {
        SendMessage(h, EM_LINESCROLL, 0, direction);
        direction = -direction;
        UpdateWindow(h);
    }
}
BENCHMARK(BM_ScrollAndPaintMemo)->Arg(1000);

} // namespace

BENCHMARK_MAIN();
