#include "imaging/JpegCodec.h"

#include "core/Exception.h"
#include "imaging/JpegGuard.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <jerror.h>

namespace tavrik {

namespace {

using jpeg::TJpegErrorState;

// A growing malloc'ed buffer: libjpeg may long-jump out of any callback, so the buffer is
// plain memory that the caller frees, never a container that could throw inside libjpeg.
struct TMemoryDestination {
    jpeg_destination_mgr manager; // first member: libjpeg hands us a pointer to it
    uint8_t* buffer;
    size_t capacity;
};

TMemoryDestination& DestinationOf(j_compress_ptr cinfo)
{
    static_assert(offsetof(TMemoryDestination, manager) == 0);
    return *reinterpret_cast<TMemoryDestination*>(cinfo->dest);
}

void InitDestination(j_compress_ptr cinfo)
{
    TMemoryDestination& dest = DestinationOf(cinfo);
    dest.buffer = static_cast<uint8_t*>(std::malloc(dest.capacity));
    if (!dest.buffer) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    dest.manager.next_output_byte = dest.buffer;
    dest.manager.free_in_buffer = dest.capacity;
}

boolean GrowDestination(j_compress_ptr cinfo)
{
    TMemoryDestination& dest = DestinationOf(cinfo);
    size_t used = dest.capacity;
    size_t capacity = dest.capacity * 2;
    auto* buffer = static_cast<uint8_t*>(std::realloc(dest.buffer, capacity));
    if (!buffer) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 1);
    dest.buffer = buffer;
    dest.capacity = capacity;
    dest.manager.next_output_byte = buffer + used;
    dest.manager.free_in_buffer = capacity - used;
    return TRUE;
}

void TermDestination(j_compress_ptr) {}

struct TEncodeJob {
    jpeg_compress_struct cinfo;
    TJpegErrorState error;
    TMemoryDestination destination;
    JSAMPROW* rows;
    int width;
    int height;
    int quality;
};

void ApplyEncoderSettings(jpeg_compress_struct& cinfo, int quality)
{
    jpeg_set_defaults(&cinfo); // YCbCr, 2x2/1x1/1x1, standard Huffman tables, no restarts
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.optimize_coding = FALSE;
    cinfo.smoothing_factor = 0;
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 0;
    cinfo.X_density = 1;
    cinfo.Y_density = 1;
}

void EncodeStep(void* context)
{
    auto& job = *static_cast<TEncodeJob*>(context);
    jpeg_compress_struct& cinfo = job.cinfo;
    jpeg_create_compress(&cinfo);
    job.destination.manager.init_destination = InitDestination;
    job.destination.manager.empty_output_buffer = GrowDestination;
    job.destination.manager.term_destination = TermDestination;
    cinfo.dest = &job.destination.manager;
    cinfo.image_width = JDIMENSION(job.width);
    cinfo.image_height = JDIMENSION(job.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR; // the picture buffer's byte order: rows go in as they are
    ApplyEncoderSettings(cinfo, job.quality);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JDIMENSION y = cinfo.next_scanline;
        if (jpeg_write_scanlines(&cinfo, job.rows + y, cinfo.image_height - y) == 0) break;
    }
    jpeg_finish_compress(&cinfo);
}

// Frees what the encoder allocated, whether it finished or failed.
class TEncodeJobGuard {
public:
    explicit TEncodeJobGuard(TEncodeJob& job) : job_(job) {}
    ~TEncodeJobGuard()
    {
        jpeg_destroy_compress(&job_.cinfo);
        std::free(job_.destination.buffer);
    }
    TEncodeJobGuard(const TEncodeJobGuard&) = delete;
    TEncodeJobGuard& operator=(const TEncodeJobGuard&) = delete;

private:
    TEncodeJob& job_;
};

std::vector<uint8_t> Encode24(const TBitmap& picture, int quality)
{
    std::vector<JSAMPROW> rows(static_cast<size_t>(picture.Height()));
    for (int y = 0; y < picture.Height(); ++y) rows[size_t(y)] = const_cast<uint8_t*>(picture.ScanLine(y));
    TEncodeJob job;
    std::memset(&job, 0, sizeof job);
    job.cinfo.err = jpeg::InitErrorState(job.error);
    job.rows = rows.data();
    job.width = picture.Width();
    job.height = picture.Height();
    job.quality = quality;
    // About a quarter of the pixel bytes holds most photographs at usual qualities.
    job.destination.capacity = std::max<size_t>(size_t(1) << 16, picture.SizeBytes() / 4);
    TEncodeJobGuard guard(job);
    if (!jpeg::RunJpegStep(job.error, EncodeStep, &job))
        throw EJpegError("Cannot encode the picture as JPEG: " + jpeg::DescribeJpegError(job.error));
    size_t size = job.destination.capacity - job.destination.manager.free_in_buffer;
    return std::vector<uint8_t>(job.destination.buffer, job.destination.buffer + size);
}

} // namespace

std::vector<uint8_t> JpegEncode(const TBitmap& picture, uint8_t quality)
{
    if (picture.Empty()) return {};
    if (picture.PixelFormat() == TPixelFormat::pf24bit) return Encode24(picture, quality);
    return Encode24(picture.ToPictureBuffer(), quality);
}

} // namespace tavrik
