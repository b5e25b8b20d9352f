// Canvas throughput at full-HD size, each against a memcpy of the same bytes in the same run.
#include "gfx/Canvas.h"
#include "gfx/Region.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

using namespace tavrik;

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

TBitmap Frame(TPixelFormat format = TPixelFormat::pf32bit)
{
    TBitmap b(kWidth, kHeight, format);
    for (int y = 0; y < kHeight; ++y)
        for (size_t i = 0; i < b.RowBytes(); ++i) b.ScanLine(y)[i] = uint8_t(i * 7 + size_t(y) * 13);
    return b;
}

void SetFrameBytes(benchmark::State& state, const TBitmap& target)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(target.SizeBytes()));
}

void BM_MemcpyBaseline(benchmark::State& state)
{
    TBitmap source = Frame(), target(kWidth, kHeight, TPixelFormat::pf32bit);
    for (auto _ : state) {
        std::memcpy(target.Bits(), source.Bits(), source.SizeBytes());
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state, target);
}
BENCHMARK(BM_MemcpyBaseline);

void BM_FillRect(benchmark::State& state)
{
    TBitmap target(kWidth, kHeight, TPixelFormat(state.range(0)));
    TCanvas canvas(target);
    canvas.Brush().Color = RGB(240, 240, 240);
    for (auto _ : state) {
        canvas.FillRect(Rect(0, 0, kWidth, kHeight));
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state, target);
}
BENCHMARK(BM_FillRect)->Arg(32)->Arg(24);

void BM_Draw(benchmark::State& state)
{
    TBitmap source = Frame(TPixelFormat(state.range(0)));
    TBitmap target(kWidth, kHeight, TPixelFormat::pf32bit);
    TCanvas canvas(target);
    for (auto _ : state) {
        canvas.Draw(0, 0, source);
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state, target);
}
BENCHMARK(BM_Draw)->Arg(32)->Arg(24)->Arg(8);

void BM_DrawTransparent(benchmark::State& state)
{
    TBitmap source = Frame(TPixelFormat::pf24bit);
    TBitmap target(kWidth, kHeight, TPixelFormat::pf32bit);
    TCanvas canvas(target);
    for (auto _ : state) {
        canvas.DrawTransparent(0, 0, source, TCanvas::TransparentColorOf(source));
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state, target);
}
BENCHMARK(BM_DrawTransparent);

void BM_StretchDraw(benchmark::State& state)
{
    TBitmap source(kWidth / 2, kHeight / 2, TPixelFormat::pf32bit);
    TBitmap target(kWidth, kHeight, TPixelFormat::pf32bit);
    TCanvas canvas(target);
    for (auto _ : state) {
        canvas.StretchDraw(Rect(0, 0, kWidth, kHeight), source);
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state, target);
}
BENCHMARK(BM_StretchDraw);

// A shaped window: one clip rectangle per row, thousands in all.
void BM_FillThroughShapedClip(benchmark::State& state)
{
    std::vector<TRect> rows;
    for (int y = 0; y < kHeight; ++y) rows.push_back({(y * 7) % 40, y, kWidth - (y * 3) % 40, y + 1});
    TBitmap target(kWidth, kHeight, TPixelFormat::pf32bit);
    TCanvas canvas(target, TRegion::FromRects(rows), {0, 0});
    canvas.Brush().Color = RGB(240, 240, 240);
    for (auto _ : state) {
        canvas.FillRect(Rect(0, 0, kWidth, kHeight));
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state, target);
}
BENCHMARK(BM_FillThroughShapedClip);

// A 20-character caption whose glyphs are already cached.
void BM_TextCaption(benchmark::State& state)
{
    TBitmap target(kWidth, kHeight, TPixelFormat::pf32bit);
    TCanvas canvas(target);
    canvas.Font().Height = 14;
    canvas.Font().Style = TFontStyles(state.range(0));
    canvas.Brush().Style = TBrushStyle::bsClear;
    const char* caption = state.range(1) ? "图片处理 批量压缩 帮助 图片另存 打开图片" : "Picture compression!";
    canvas.TextOut(100, 100, caption);
    for (auto _ : state) {
        canvas.TextOut(100, 100, caption);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TextCaption)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Unit(benchmark::kMicrosecond);

// The whole frame covered with lines of text.
void BM_TextFrame(benchmark::State& state)
{
    TBitmap target(kWidth, kHeight, TPixelFormat::pf32bit);
    TCanvas canvas(target);
    canvas.Font().Height = 16;
    canvas.Brush().Color = clWhite;
    std::string line;
    while (canvas.TextWidth(line) < kWidth) line += "The quick brown fox jumps over the lazy dog. ";
    for (auto _ : state) {
        for (int y = 0; y < kHeight; y += 16) canvas.TextOut(0, y, line);
        benchmark::ClobberMemory();
    }
    SetFrameBytes(state, target);
}
BENCHMARK(BM_TextFrame)->Unit(benchmark::kMillisecond);

void BM_RegionPointTest(benchmark::State& state)
{
    std::vector<TRect> runs;
    for (int y = 0; y < 4000; ++y)
        for (int k = 0; k < 3; ++k) runs.push_back({k * 700 + y % 50, y, k * 700 + 600 - y % 30, y + 1});
    TRegion shape = TRegion::FromRects(runs);
    int x = 0, y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(shape.Contains(TPoint{x, y}));
        x = (x + 337) % 2100;
        y = (y + 911) % 4000;
    }
    state.counters["rects"] = double(shape.RectCount());
}
BENCHMARK(BM_RegionPointTest);

} // namespace

BENCHMARK_MAIN();
