// JPEG decoding, encoding and the batch page's recompression (decode + encode) of a
// camera-sized picture, in megapixels per second, against a memcpy of the decoded buffer.
//
// Run with "--libjpeg-work FILE..." instead, it does the libjpeg work of a batch run over those
// files with libjpeg alone (same settings, no files written) and prints the seconds it took;
// bench/batch_vs_peers.sh compares tavrik-batch with it.
#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/JpegCodec.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <string>
#include <vector>

using namespace tavrik;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// Smooth shading with fine noise, which compresses about as well as a photograph.
TBitmap PhotoLike(int width, int height)
{
    TBitmap picture(width, height);
    uint32_t seed = 99;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            int noise = int(seed >> 29);
            row[3 * x] = uint8_t((x * 255) / width + noise);
            row[3 * x + 1] = uint8_t((y * 255) / height + noise);
            row[3 * x + 2] = uint8_t(((x + y) * 127) / (width + height) + 64 + noise);
        }
    }
    return picture;
}

const std::vector<uint8_t>& SourceJpeg()
{
    static const std::vector<uint8_t> stream = JpegEncode(PhotoLike(kWidth, kHeight), 92);
    return stream;
}

void CountMegapixels(benchmark::State& state)
{
    state.counters["MP"] = benchmark::Counter(double(kWidth) * kHeight / 1e6,
                                              benchmark::Counter::kIsIterationInvariantRate);
}

void BM_MemcpyBaseline(benchmark::State& state)
{
    const TBitmap source = JpegDecode(SourceJpeg());
    TBitmap target(kWidth, kHeight);
    for (auto _ : state) {
        std::memcpy(target.Bits(), source.Bits(), source.SizeBytes());
        benchmark::ClobberMemory();
    }
    CountMegapixels(state);
}

void BM_JpegDecode(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(JpegDecode(SourceJpeg()));
    CountMegapixels(state);
}

void BM_JpegEncode(benchmark::State& state)
{
    const TBitmap picture = JpegDecode(SourceJpeg());
    for (auto _ : state) benchmark::DoNotOptimize(JpegEncode(picture, uint8_t(state.range(0))));
    CountMegapixels(state);
}

void BM_JpegTranscode(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(JpegEncode(JpegDecode(SourceJpeg()), 75));
    CountMegapixels(state);
}

BENCHMARK(BM_MemcpyBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegEncode)->Arg(75)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegTranscode)->Unit(benchmark::kMillisecond);

// The libjpeg work of one batch file, written against libjpeg directly. Errors end the
// program through libjpeg's default handler, which is fine for a measuring tool.
struct TRows {
    uint8_t* pixels; // blue, green, red
    size_t stride;
    int width, height;
};

std::vector<JSAMPROW> RowPointers(const TRows& rows)
{
    std::vector<JSAMPROW> pointers(static_cast<size_t>(rows.height));
    for (int y = 0; y < rows.height; ++y) pointers[size_t(y)] = rows.pixels + rows.stride * size_t(y);
    return pointers;
}

// Decodes into pixels, which it allocates; grayscale through the 236-level palette. The buffer
// is zeroed first, as a TBitmap's is: faulting its pages in one sweep is cheaper than inside
// the decoder, and the two sides should differ only in the code around libjpeg.
TRows LibjpegDecode(const std::vector<uint8_t>& stream, std::vector<uint8_t>& pixels)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, stream.data(), static_cast<unsigned long>(stream.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_block_smoothing = TRUE;
    const bool gray = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    if (gray) {
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 236;
        cinfo.dither_mode = JDITHER_FS;
    } else {
        cinfo.out_color_space = JCS_EXT_BGR;
    }
    jpeg_start_decompress(&cinfo);
    TRows rows{nullptr, (size_t(cinfo.output_width) * 3 + 3) & ~size_t(3), int(cinfo.output_width),
               int(cinfo.output_height)};
    pixels.assign(rows.stride * size_t(rows.height), 0);
    rows.pixels = pixels.data();
    std::vector<JSAMPROW> pointers = RowPointers(rows);
    while (cinfo.output_scanline < cinfo.output_height)
        jpeg_read_scanlines(&cinfo, pointers.data() + cinfo.output_scanline, cinfo.output_height - cinfo.output_scanline);
    for (int y = 0; gray && y < rows.height; ++y)
        for (int x = rows.width - 1; x >= 0; --x) {
            uint8_t* row = pointers[size_t(y)];
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = cinfo.colormap[0][row[x]];
        }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return rows;
}

size_t LibjpegEncode(const TRows& rows)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    // Room for the whole stream at usual qualities, so that libjpeg need not grow it.
    unsigned long size = std::max<unsigned long>(1 << 16, rows.stride * size_t(rows.height) / 4);
    auto* buffer = static_cast<unsigned char*>(std::malloc(size));
    unsigned char* output = buffer;
    jpeg_mem_dest(&cinfo, &output, &size);
    cinfo.image_width = JDIMENSION(rows.width);
    cinfo.image_height = JDIMENSION(rows.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 75, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPROW> pointers = RowPointers(rows);
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, pointers.data() + cinfo.next_scanline, cinfo.image_height - cinfo.next_scanline);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (output != buffer) std::free(output);
    std::free(buffer);
    return size;
}

bool IsBmp(const std::string& name)
{
    return name.size() > 4 && (name.compare(name.size() - 4, 4, ".bmp") == 0 || name.compare(name.size() - 4, 4, ".BMP") == 0);
}

size_t TranscodeWithLibjpeg(const char* file)
{
    if (IsBmp(file)) {
        // There is no libjpeg work in reading a bitmap; it goes through our reader.
        TBitmap bitmap = ReadBmpFile(file);
        if (bitmap.PixelFormat() != TPixelFormat::pf24bit) bitmap = bitmap.ToPictureBuffer();
        return LibjpegEncode({bitmap.Bits(), bitmap.RowBytes(), bitmap.Width(), bitmap.Height()});
    }
    std::vector<uint8_t> pixels;
    return LibjpegEncode(LibjpegDecode(ReadFileBytes(file), pixels));
}

int RunLibjpegWork(int count, char** files)
{
    const auto start = std::chrono::steady_clock::now();
    size_t bytes = 0;
    for (int i = 0; i < count; ++i) bytes += TranscodeWithLibjpeg(files[i]);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%.3f seconds for %d files, %zu bytes of JPEG\n", elapsed.count(), count, bytes);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--libjpeg-work") == 0) return RunLibjpegWork(argc - 2, argv + 2);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
