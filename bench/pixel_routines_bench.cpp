// Throughput of the colour adjustments on a camera-sized picture, against a plain memcpy of
// the same buffer as the memory-bound ceiling.
#include "imaging/PixelRoutines.h"

#include <benchmark/benchmark.h>

#include <cstring>

using namespace tavrik;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

TBitmap Photo()
{
    TBitmap picture(kWidth, kHeight);
    uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
        uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < 3 * kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            row[x] = uint8_t((x / 3 + y) / 16 + (seed >> 28)); // smooth with some noise
        }
    }
    return picture;
}

const TBitmap& SharedPhoto()
{
    static const TBitmap photo = Photo();
    return photo;
}

void CountMegapixels(benchmark::State& state)
{
    state.counters["MP"] = benchmark::Counter(double(kWidth) * kHeight / 1e6,
                                                benchmark::Counter::kIsIterationInvariantRate);
}

class TNullSink : public TProgressSink {
public:
    void SetMax(int) override {}
    void SetPosition(int position) override { benchmark::DoNotOptimize(position); }
};

void BM_MemcpyBaseline(benchmark::State& state)
{
    const TBitmap& source = SharedPhoto();
    TBitmap target(kWidth, kHeight);
    for (auto _ : state) {
        std::memcpy(target.Bits(), source.Bits(), source.SizeBytes());
        benchmark::ClobberMemory();
    }
    CountMegapixels(state);
}

// Times routine(source, target) over the shared photo; in place when target is the source.
template <class TRoutine>
void Measure(benchmark::State& state, bool inPlace, TRoutine routine)
{
    TBitmap picture = SharedPhoto();
    TBitmap target(kWidth, kHeight);
    TBitmap& output = inPlace ? picture : target;
    for (auto _ : state) {
        routine(picture, output, int(state.range(0)));
        benchmark::ClobberMemory();
    }
    CountMegapixels(state);
}

TNullSink sink;

void BM_ApplyContrast(benchmark::State& state)
{
    Measure(state, true, [](const TBitmap&, TBitmap& picture, int amount) { ApplyContrast(picture, amount); });
}

void BM_ApplySaturation(benchmark::State& state)
{
    Measure(state, true, [](const TBitmap&, TBitmap& picture, int amount) { ApplySaturation(picture, amount, &sink); });
}

void BM_PreviewSaturation(benchmark::State& state)
{
    Measure(state, false, [](const TBitmap& source, TBitmap& target, int amount) { PreviewSaturation(source, target, amount); });
}

void BM_ApplyRGB(benchmark::State& state)
{
    Measure(state, true, [](const TBitmap&, TBitmap& picture, int shift) { ApplyRGB(picture, shift, -shift / 2, 17, &sink); });
}

void BM_PreviewRGB(benchmark::State& state)
{
    Measure(state, false, [](const TBitmap& source, TBitmap& target, int shift) { PreviewRGB(source, target, shift, -shift / 2, 17); });
}

} // namespace

BENCHMARK(BM_MemcpyBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyContrast)->Arg(100)->Arg(-100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplySaturation)->Arg(128)->Arg(-200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewSaturation)->Arg(128)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyRGB)->Arg(30)->Arg(-100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewRGB)->Arg(30)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
