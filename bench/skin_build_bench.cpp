// Skin drawing must leave a 20 ms animation tick mostly idle: a frame resize, a button
// build, a morph step and a window shape from a mask each take a small part of it.
#include "skin/DataSkinButtonControls.h"
#include "skin/EffectBmp.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinRegions.h"
#include "skin/StoredSkin.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

using namespace tavrik;

namespace {

// The program's own skin, loaded once.
const TbsSkinData& ProgramSkin()
{
    static const std::unique_ptr<TbsSkinData> data = [] {
        TbsStoredSkin stored;
        LoadProgramSkin(stored);
        auto loaded = std::make_unique<TbsSkinData>();
        loaded->ApplyStoredSkin(stored);
        return loaded;
    }();
    return *data;
}

const TbsDataSkinButtonControl& ProgramButton()
{
    const TbsSkinData& skin = ProgramSkin();
    return dynamic_cast<const TbsDataSkinButtonControl&>(*skin.SkinControls.at(size_t(skin.IndexOfSkinControl("button"))));
}

// A frame picture of the usual structure: a caption band, thin side borders and a bottom
// border around a client area, with a gradient so that copies are real work.
TBitmap SyntheticFramePicture(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            row[3 * x] = uint8_t(x * 7 + y);
            row[3 * x + 1] = uint8_t(y * 3);
            row[3 * x + 2] = uint8_t(x ^ y);
        }
    }
    return b;
}

const TSkinCut kFrameCut{{60, 40}, {340, 40}, {60, 270}, {340, 270}, Rect(6, 30, 394, 294)};
constexpr TSize kFrameSize{400, 300};
constexpr TSize kScreen{1920, 1080};

void BM_FrameParts1920x1080(benchmark::State& state)
{
    TBitmap picture = SyntheticFramePicture(kFrameSize.cx, kFrameSize.cy);
    TSkinCut n = ResizeSkinCut(kFrameCut, kFrameSize, kScreen);
    TEdgeStretch stretch{state.range(0) != 0, state.range(0) != 0, state.range(0) != 0, state.range(0) != 0};
    TFrameParts parts;
    for (auto _ : state) {
        BuildFrameParts(picture, Rect(0, 0, kFrameSize.cx, kFrameSize.cy), kFrameCut, kScreen, n, stretch, parts);
        benchmark::DoNotOptimize(parts.Top.Bits());
    }
}
BENCHMARK(BM_FrameParts1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The program's form frame, as the skinned form builds it for a window of screen size.
void BM_ProgramFrameParts1920x1080(benchmark::State& state)
{
    const TbsSkinData& d = ProgramSkin();
    const TRect whole = Rect(0, 0, d.picture.Width(), d.picture.Height());
    const TSkinCut cut{d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint, d.clientrect};
    const TSkinCut n = ResizeSkinCut(cut, {whole.Width(), whole.Height()}, kScreen);
    TFrameParts parts;
    for (auto _ : state) {
        BuildFrameParts(d.picture, whole, cut, kScreen, n, {d.topstretch, d.bottomstretch, d.leftstretch, d.rightstretch},
                        parts);
        benchmark::DoNotOptimize(parts.Top.Bits());
    }
}
BENCHMARK(BM_ProgramFrameParts1920x1080)->Unit(benchmark::kMicrosecond);

// The window shape of that frame from the program's frame mask.
void BM_ProgramFrameRegion1920x1080(benchmark::State& state)
{
    const TbsSkinData& d = ProgramSkin();
    const TSkinCut cut{d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint, d.maskrectarea};
    const TSkinCut n = ResizeSkinCut(cut, {d.mask.Width(), d.mask.Height()}, kScreen);
    for (auto _ : state) {
        std::optional<TRegion> region = FrameRegionFromMask(d.mask, cut, kScreen.cx, n);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_ProgramFrameRegion1920x1080)->Unit(benchmark::kMicrosecond);

void BM_SkinImage1920x1080WithClient(benchmark::State& state)
{
    TBitmap picture = SyntheticFramePicture(kFrameSize.cx, kFrameSize.cy);
    TSkinCut n = ResizeSkinCut(kFrameCut, kFrameSize, kScreen);
    TBitmap dest;
    for (auto _ : state) {
        BuildSkinImage(picture, Rect(0, 0, kFrameSize.cx, kFrameSize.cy), kFrameCut, kScreen, n, TClientFill::Tile, dest);
        benchmark::DoNotOptimize(dest.Bits());
    }
}
BENCHMARK(BM_SkinImage1920x1080WithClient)->Unit(benchmark::kMicrosecond);

void BM_Button400x30(benchmark::State& state)
{
    TBitmap picture = SyntheticFramePicture(200, 120);
    TRect button = Bounds(20, 40, 75, 30);
    TBitmap dest;
    for (auto _ : state) {
        BuildHSkinImage(picture, button, 6, 6, 400, dest);
        benchmark::DoNotOptimize(dest.Bits());
    }
}
BENCHMARK(BM_Button400x30)->Unit(benchmark::kMicrosecond);

// The program's button (20 pixels high) built 400 wide from its paletted picture.
void BM_ProgramButton400(benchmark::State& state)
{
    const TbsDataSkinButtonControl& button = ProgramButton();
    const TBitmap& picture = ProgramSkin().activepictures.at(size_t(button.pictureindex));
    const TRect r = button.skinrect;
    TBitmap dest;
    for (auto _ : state) {
        BuildHSkinImage(picture, r, button.lefttoppoint.x, r.Width() - button.righttoppoint.x, 400, dest);
        benchmark::DoNotOptimize(dest.Bits());
    }
}
BENCHMARK(BM_ProgramButton400)->Unit(benchmark::kMicrosecond);

// One morph tick of the program's button 75 wide: both state images built, then mixed.
void BM_ProgramButtonMorphStep75(benchmark::State& state)
{
    const TbsDataSkinButtonControl& button = ProgramButton();
    const TBitmap& picture = ProgramSkin().activepictures.at(size_t(button.pictureindex));
    const int l = button.lefttoppoint.x;
    const int rt = button.skinrect.Width() - button.righttoppoint.x;
    TBitmap normalImage;
    TBitmap activeImage;
    for (auto _ : state) {
        BuildHSkinImage(picture, button.skinrect, l, rt, 75, normalImage);
        BuildHSkinImage(picture, button.activeskinrect, l, rt, 75, activeImage);
        TbsEffectBmp step(normalImage);
        step.MorphBlend(TbsEffectBmp(activeImage), 0.4);
        benchmark::DoNotOptimize(step.LineAddress(0));
    }
}
BENCHMARK(BM_ProgramButtonMorphStep75)->Unit(benchmark::kMicrosecond);

// One timer tick of a morphing button: a fresh copy of the normal image mixed with the
// active one.
void BM_MorphStep75x25(benchmark::State& state)
{
    TBitmap picture = SyntheticFramePicture(200, 120);
    TBitmap normalPicture;
    TBitmap activePicture;
    BuildHSkinImage(picture, Bounds(0, 0, 75, 25), 5, 5, 75, normalPicture);
    BuildHSkinImage(picture, Bounds(80, 30, 75, 25), 5, 5, 75, activePicture);
    TbsEffectBmp active(activePicture);
    const int kind = int(state.range(0));
    for (auto _ : state) {
        TbsEffectBmp step(normalPicture);
        step.Morph(kind, active, 0.4);
        benchmark::DoNotOptimize(step.LineAddress(0));
    }
}
BENCHMARK(BM_MorphStep75x25)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

// A window mask: black with rounded-off corners (one run per row), or with a white column
// every fourth pixel (480 runs per row) as a worst case.
TBitmap ScreenMask(bool striped)
{
    TBitmap mask(kScreen.cx, kScreen.cy);
    for (int y = 0; y < kScreen.cy; ++y)
        for (int x = 0; x < kScreen.cx; ++x) {
            int dx = std::min(x, kScreen.cx - 1 - x);
            int dy = std::min(y, kScreen.cy - 1 - y);
            bool corner = dx < 8 && dy < 8 && dx + dy < 8;
            if (corner || (striped && x % 4 == 3)) mask.SetPixel(x, y, clWhite);
        }
    return mask;
}

void BM_RegionDataFromMask1920x1080(benchmark::State& state)
{
    TBitmap mask = ScreenMask(state.range(0) != 0);
    for (auto _ : state) {
        std::vector<uint8_t> data = RegionDataFromMask(mask, 0, 0);
        benchmark::DoNotOptimize(data.data());
    }
}
BENCHMARK(BM_RegionDataFromMask1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RegionFromMask1920x1080(benchmark::State& state)
{
    TBitmap mask = ScreenMask(state.range(0) != 0);
    for (auto _ : state) {
        std::optional<TRegion> region = RegionFromMask(mask);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_RegionFromMask1920x1080)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The window shape of a form resized to the screen from its 400 x 300 frame mask.
void BM_FrameRegionFromMask1920x1080(benchmark::State& state)
{
    TBitmap mask(kFrameSize.cx, kFrameSize.cy);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x + y < 8; ++x) {
            mask.SetPixel(x, y, clWhite);
            mask.SetPixel(kFrameSize.cx - 1 - x, y, clWhite);
        }
    TSkinCut n = ResizeSkinCut(kFrameCut, kFrameSize, kScreen);
    for (auto _ : state) {
        std::optional<TRegion> region = FrameRegionFromMask(mask, kFrameCut, kScreen.cx, n);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_FrameRegionFromMask1920x1080)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
