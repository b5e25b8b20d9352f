// JPEG decoding, encoding and the batch page's recompression (decode + encode) of a
// camera-sized picture, in megapixels per second, against a memcpy of the decoded buffer.
//
// Run with "--libjpeg-work FILE..." instead, it does the libjpeg work of a batch run over those
// files with libjpeg alone (same settings, no files written) and prints the seconds it took;
// bench/batch_vs_peers.sh compares tavrik-batch with it.
#include "gfx/BmpFile.h"
#include "imaging/JpegCodec.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <memory>
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

std::vector<uint8_t> ReadAll(const char* path)
{
    std::vector<uint8_t> bytes;
    if (FILE* f = std::fopen(path, "rb")) {
        uint8_t chunk[1 << 16];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
        std::fclose(f);
    }
    return bytes;
}

// Decodes into pixels, which it allocates; grayscale through the 236-level palette.
TRows LibjpegDecode(const std::vector<uint8_t>& stream, std::unique_ptr<uint8_t[]>& pixels)
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
    pixels.reset(new uint8_t[rows.stride * size_t(rows.height)]);
    rows.pixels = pixels.get();
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = rows.pixels + rows.stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
        for (int x = rows.width - 1; gray && x >= 0; --x)
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
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(rows.width);
    cinfo.image_height = JDIMENSION(rows.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 75, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rows.pixels + rows.stride * cinfo.next_scanline;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
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
    std::unique_ptr<uint8_t[]> pixels;
    return LibjpegEncode(LibjpegDecode(ReadAll(file), pixels));
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
