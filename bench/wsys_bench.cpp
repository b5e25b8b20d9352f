#include "gfx/Canvas.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace tavrik;

namespace {

LRESULT PaintCell(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT) return DefWindowProc(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    TRect r = GetClientRect(hwnd);
    dc->Brush().Color = TColor(GetWindowLongPtr(hwnd, GWLP_ID)) * 0x010307;
    dc->FillRect(r);
    dc->Brush().Color = clBlack;
    dc->FrameRect(r);
    EndPaint(hwnd, &ps);
    return 0;
}

// A 1280 x 800 window holding a 20 x 15 grid of 300 painted child windows.
struct TScene {
    THeadlessBackend* screen = nullptr;
    std::unique_ptr<TWindowSystem> ws;
    HWND top = nullptr;
    std::vector<HWND> children;

    TScene()
    {
        auto backend = std::make_unique<THeadlessBackend>();
        screen = backend.get();
        ws = std::make_unique<TWindowSystem>(std::move(backend));
        WNDCLASS wc;
        wc.lpfnWndProc = PaintCell;
        wc.hbrBackground = clWhite;
        wc.lpszClassName = "Cell";
        RegisterClass(wc);
        top = CreateWindowEx(0, "Cell", "", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 800, nullptr);
        for (int i = 0; i < 300; ++i) {
            int x = (i % 20) * 64, y = (i / 20) * 53;
            children.push_back(CreateWindowEx(0, "Cell", "", WS_CHILD | WS_VISIBLE, x + 2, y + 2, 60, 49, top, i + 1));
        }
        ProcessMessages();
    }
};

void BM_RepaintWindowWith300Children(benchmark::State& state)
{
    TScene scene;
    for (auto _ : state) {
        RedrawWindow(scene.top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        ProcessMessages(); // 301 WM_PAINTs, erasing, presenting and compositing the screen
    }
    benchmark::DoNotOptimize(scene.screen->ScreenPixel(5, 5));
    state.SetItemsProcessed(state.iterations() * 301);
}
BENCHMARK(BM_RepaintWindowWith300Children)->Unit(benchmark::kMillisecond);

void BM_InvalidateOneChildAndPaint(benchmark::State& state)
{
    TScene scene;
    size_t i = 0;
    for (auto _ : state) {
        InvalidateRect(scene.children[i++ % scene.children.size()], nullptr, true);
        ProcessMessages();
    }
}
BENCHMARK(BM_InvalidateOneChildAndPaint)->Unit(benchmark::kMicrosecond);

void BM_MouseMoveOver300Children(benchmark::State& state)
{
    TScene scene;
    int x = 0;
    for (auto _ : state) {
        x = (x + 7) % 1280;
        scene.screen->MouseMove(x, 400); // hit test, WM_SETCURSOR and WM_MOUSEMOVE
    }
}
BENCHMARK(BM_MouseMoveOver300Children)->Unit(benchmark::kMicrosecond);

struct TOneWindow {
    THeadlessBackend* screen = nullptr;
    std::unique_ptr<TWindowSystem> ws;
    HWND hwnd = nullptr;

    TOneWindow()
    {
        auto backend = std::make_unique<THeadlessBackend>();
        screen = backend.get();
        ws = std::make_unique<TWindowSystem>(std::move(backend));
        WNDCLASS wc;
        wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            return m == WM_USER ? LRESULT(w + 1) : DefWindowProc(h, m, w, l);
        };
        wc.lpszClassName = "Plain";
        RegisterClass(wc);
        hwnd = CreateWindowEx(0, "Plain", "", WS_POPUP, 0, 0, 10, 10, nullptr);
    }
};

void BM_SendMessage(benchmark::State& state)
{
    TOneWindow w;
    for (int i = 0; i < state.range(0); ++i) {
        auto id = std::make_shared<TWndProcId>();
        *id = SubclassWindow(w.hwnd, [id](HWND h, UINT m, WPARAM wp, LPARAM lp) { return CallWindowProc(*id, h, m, wp, lp); });
    }
    WPARAM n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(n = WPARAM(SendMessage(w.hwnd, WM_USER, n, 0)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SendMessage)->Arg(0)->Arg(3)->ArgName("subclasses");

void BM_PostAndDispatch(benchmark::State& state)
{
    TOneWindow w;
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) PostMessage(w.hwnd, WM_USER, WPARAM(i));
        ProcessMessages();
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_PostAndDispatch);

} // namespace

BENCHMARK_MAIN();
