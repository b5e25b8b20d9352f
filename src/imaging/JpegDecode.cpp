#include "imaging/JpegCodec.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "imaging/JpegGuard.h"

#include <algorithm>
#include <cstring>

namespace tavrik {

namespace {

using jpeg::TJpegErrorState;

enum class TOutputKind : uint8_t { Unsupported, Direct, Palette, Cmyk };

// Everything the two guarded steps touch; plain data only (see JpegGuard.h).
struct TDecodeJob {
    jpeg_decompress_struct cinfo;
    TJpegErrorState error;
    const uint8_t* data;
    size_t size;
    TJpegDecodeMode mode;
    int boxWidth;  // with boxHeight the area a preview covers; 0 decodes at full size
    int boxHeight;
    TOutputKind kind;
    JSAMPROW* rows;   // one per picture row, set up between the steps
    uint8_t* cmykRow; // 4 bytes per pixel, CMYK and YCCK only
    int paletteSize;
    uint8_t palette[256][3]; // blue, green, red
};

void QuantiseTo236Colors(jpeg_decompress_struct& cinfo)
{
    cinfo.quantize_colors = TRUE;
    cinfo.desired_number_of_colors = 236;
    cinfo.dither_mode = JDITHER_FS;
    cinfo.two_pass_quantize = TRUE; // libjpeg falls back to one pass for grayscale
}

void ChooseOutput(TDecodeJob& job)
{
    jpeg_decompress_struct& cinfo = job.cinfo;
    cinfo.scale_num = 1;
    cinfo.scale_denom = job.boxWidth > 0 ? unsigned(JpegPreviewScaleDenominator(int(cinfo.image_width),
                                                                                int(cinfo.image_height),
                                                                                job.boxWidth, job.boxHeight))
                                         : 1;
    // Smoothing only serves the full-size picture; a reduced one averages the blocks anyway.
    cinfo.do_block_smoothing = cinfo.scale_denom == 1;
    cinfo.dct_method = JDCT_FLOAT;
    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        QuantiseTo236Colors(cinfo);
        job.kind = TOutputKind::Palette;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        if (job.mode == TJpegDecodeMode::LowColorScreen) {
            cinfo.out_color_space = JCS_RGB;
            QuantiseTo236Colors(cinfo);
            job.kind = TOutputKind::Palette;
        } else {
            // The picture buffer's own byte order, so rows are decoded in place.
            cinfo.out_color_space = JCS_EXT_BGR;
            job.kind = TOutputKind::Direct;
        }
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo.out_color_space = JCS_CMYK;
        job.kind = TOutputKind::Cmyk;
        break;
    default:
        job.kind = TOutputKind::Unsupported;
        break;
    }
}

void ReadHeaderStep(void* context)
{
    auto& job = *static_cast<TDecodeJob*>(context);
    jpeg_create_decompress(&job.cinfo);
    jpeg_mem_src(&job.cinfo, job.data, static_cast<unsigned long>(job.size));
    jpeg_read_header(&job.cinfo, TRUE);
    ChooseOutput(job);
    jpeg_calc_output_dimensions(&job.cinfo);
}

// Round(a * b / 255) for a, b in 0..255.
inline uint8_t MulDiv255(unsigned a, unsigned b)
{
    unsigned t = a * b + 128;
    return uint8_t((t + (t >> 8)) >> 8);
}

// Adobe applications store CMYK inverted (0 = full ink); libjpeg hands the samples over as
// stored, so the two conventions are told apart by the Adobe marker.
void CmykRowToBgr(const uint8_t* cmyk, uint8_t* bgr, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        bgr[0] = MulDiv255(y, k);
        bgr[1] = MulDiv255(m, k);
        bgr[2] = MulDiv255(c, k);
    }
}

void CopyPalette(TDecodeJob& job)
{
    jpeg_decompress_struct& cinfo = job.cinfo;
    job.paletteSize = cinfo.actual_number_of_colors;
    for (int i = 0; i < job.paletteSize; ++i) {
        bool gray = cinfo.out_color_components == 1;
        job.palette[i][0] = cinfo.colormap[gray ? 0 : 2][i];
        job.palette[i][1] = cinfo.colormap[gray ? 0 : 1][i];
        job.palette[i][2] = cinfo.colormap[0][i];
    }
}

void DecodeStep(void* context)
{
    auto& job = *static_cast<TDecodeJob*>(context);
    jpeg_decompress_struct& cinfo = job.cinfo;
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JDIMENSION y = cinfo.output_scanline;
        JDIMENSION read;
        if (job.kind == TOutputKind::Cmyk) {
            read = jpeg_read_scanlines(&cinfo, &job.cmykRow, 1);
            if (read == 1) CmykRowToBgr(job.cmykRow, job.rows[y], int(cinfo.output_width), cinfo.saw_Adobe_marker);
        } else {
            // Palette indices land at the start of each row and are expanded afterwards.
            read = jpeg_read_scanlines(&cinfo, job.rows + y, cinfo.output_height - y);
        }
        if (read == 0) break; // cannot happen with a memory source, which never suspends
    }
    if (job.kind == TOutputKind::Palette) CopyPalette(job);
    jpeg_finish_decompress(&cinfo);
}

// Expands the palette indices at the start of each row into blue, green, red in place,
// from the right so that no index is overwritten before it is read.
void ExpandPaletteRows(TBitmap& picture, const TDecodeJob& job)
{
    for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* row = picture.ScanLine(y);
        for (int x = picture.Width() - 1; x >= 0; --x) {
            const uint8_t* color = job.palette[row[x]];
            row[3 * x] = color[0];
            row[3 * x + 1] = color[1];
            row[3 * x + 2] = color[2];
        }
    }
}

class TDecompressGuard {
public:
    explicit TDecompressGuard(jpeg_decompress_struct& cinfo) : cinfo_(cinfo) {}
    ~TDecompressGuard() { jpeg_destroy_decompress(&cinfo_); }
    TDecompressGuard(const TDecompressGuard&) = delete;
    TDecompressGuard& operator=(const TDecompressGuard&) = delete;

private:
    jpeg_decompress_struct& cinfo_;
};

[[noreturn]] void ThrowDecodeError(const std::string& source, const std::string& reason)
{
    std::string what = source.empty() ? "Cannot decode the JPEG picture" : "Cannot decode the JPEG picture \"" + source + "\"";
    throw EJpegError(what + ": " + reason);
}

TBitmap Decode(std::span<const uint8_t> stream, TJpegDecodeMode mode, const std::string& source, int boxWidth = 0,
               int boxHeight = 0)
{
    TDecodeJob job;
    std::memset(&job, 0, sizeof job);
    job.cinfo.err = jpeg::InitErrorState(job.error);
    job.data = stream.data();
    job.size = stream.size();
    job.mode = mode;
    job.boxWidth = boxWidth;
    job.boxHeight = boxHeight;
    TDecompressGuard guard(job.cinfo);
    if (!jpeg::RunJpegStep(job.error, ReadHeaderStep, &job)) ThrowDecodeError(source, jpeg::DescribeJpegError(job.error));
    if (job.kind == TOutputKind::Unsupported)
        ThrowDecodeError(source, "pictures with " + std::to_string(job.cinfo.num_components) +
                                     " colour components are not supported");
    int width = int(job.cinfo.output_width);
    int height = int(job.cinfo.output_height);
    if (TBitmap::PixelBytesFor(width, height, TPixelFormat::pf24bit) == 0)
        ThrowDecodeError(source, "the picture of " + std::to_string(width) + " x " + std::to_string(height) +
                                     " pixels is too large: pictures are limited to 1 GiB of pixel data");
    TBitmap picture(width, height);
    std::vector<JSAMPROW> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) rows[size_t(y)] = picture.ScanLine(y);
    std::vector<uint8_t> cmykRow(job.kind == TOutputKind::Cmyk ? size_t(width) * 4 : 0);
    job.rows = rows.data();
    job.cmykRow = cmykRow.data();
    if (!jpeg::RunJpegStep(job.error, DecodeStep, &job)) ThrowDecodeError(source, jpeg::DescribeJpegError(job.error));
    if (job.kind == TOutputKind::Palette) ExpandPaletteRows(picture, job);
    return picture;
}

} // namespace

TBitmap JpegDecode(std::span<const uint8_t> stream, TJpegDecodeMode mode) { return Decode(stream, mode, {}); }

int JpegPreviewScaleDenominator(int width, int height, int boxWidth, int boxHeight)
{
    for (int denominator : {8, 4, 2}) {
        // libjpeg rounds a reduced side up.
        int64_t w = (int64_t(width) + denominator - 1) / denominator;
        int64_t h = (int64_t(height) + denominator - 1) / denominator;
        if (w >= boxWidth && h >= boxHeight) return denominator;
    }
    return 1;
}

TBitmap JpegDecodePreview(std::span<const uint8_t> stream, int boxWidth, int boxHeight)
{
    return Decode(stream, TJpegDecodeMode::TrueColor, {}, std::max(boxWidth, 1), std::max(boxHeight, 1));
}

TBitmap JpegDecode(const std::string& fileName, TJpegDecodeMode mode)
{
    std::vector<uint8_t> stream = ReadFileBytes(fileName);
    return Decode(stream, mode, fileName);
}

} // namespace tavrik
