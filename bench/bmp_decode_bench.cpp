// Decoding speed of large bitmap files held in memory, against copying the same number of
// bytes with memcpy in the same run.
#include "gfx/BmpFile.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

using namespace tavrik;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

TBitmap NoisyPicture(TPixelFormat format)
{
    TBitmap b(kWidth, kHeight, format);
    std::mt19937 random(1);
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* row = b.ScanLine(y);
        for (size_t i = 0; i < b.RowBytes(); ++i) row[i] = uint8_t(random() >> 7);
    }
    return b;
}

const std::vector<uint8_t>& FileOf(TPixelFormat format)
{
    static std::vector<uint8_t> files[33];
    std::vector<uint8_t>& file = files[BitsPerPixel(format)];
    if (file.empty()) file = WriteBmp(NoisyPicture(format));
    return file;
}

void CountMegapixels(benchmark::State& state)
{
    state.counters["MP/s"] =
        benchmark::Counter(double(kWidth) * kHeight * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_ReadBmp(benchmark::State& state, TPixelFormat format)
{
    const std::vector<uint8_t>& file = FileOf(format);
    for (auto _ : state) {
        TBitmap b = ReadBmp(file);
        benchmark::DoNotOptimize(b.Bits());
    }
    CountMegapixels(state);
}

void BM_ReadBmpToPictureBuffer(benchmark::State& state, TPixelFormat format)
{
    const std::vector<uint8_t>& file = FileOf(format);
    for (auto _ : state) {
        TBitmap picture = ReadBmp(file).ToPictureBuffer();
        benchmark::DoNotOptimize(picture.Bits());
    }
    CountMegapixels(state);
}

// The floor for a decode: copying the picture's bytes into a buffer that exists.
void BM_Memcpy(benchmark::State& state, TPixelFormat format)
{
    const size_t bytes = TBitmap::RowBytesFor(kWidth, format) * kHeight;
    std::vector<uint8_t> source(bytes, 1), target(bytes, 0);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    CountMegapixels(state);
}

// The same copy into a new picture, as a decoder must make one per file.
void BM_MemcpyIntoNewBitmap(benchmark::State& state, TPixelFormat format)
{
    const size_t bytes = TBitmap::RowBytesFor(kWidth, format) * kHeight;
    std::vector<uint8_t> source(bytes, 1);
    for (auto _ : state) {
        TBitmap target(kWidth, kHeight, format);
        std::memcpy(target.Bits(), source.data(), bytes);
        benchmark::DoNotOptimize(target.Bits());
        benchmark::ClobberMemory();
    }
    CountMegapixels(state);
}

} // namespace

BENCHMARK_CAPTURE(BM_Memcpy, 24bit, TPixelFormat::pf24bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MemcpyIntoNewBitmap, 24bit, TPixelFormat::pf24bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memcpy, 8bit, TPixelFormat::pf8bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MemcpyIntoNewBitmap, 8bit, TPixelFormat::pf8bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadBmp, 24bit, TPixelFormat::pf24bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadBmp, 8bit, TPixelFormat::pf8bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadBmp, 32bit, TPixelFormat::pf32bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadBmp, 16bit, TPixelFormat::pf16bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadBmpToPictureBuffer, 24bit, TPixelFormat::pf24bit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadBmpToPictureBuffer, 8bit, TPixelFormat::pf8bit)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
