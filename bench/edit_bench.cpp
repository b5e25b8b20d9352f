// Costs of the edit engine: a typed character in a memo lays its whole text out again, so
// typing slows down with the length of the text; painting draws only the visible lines.
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
