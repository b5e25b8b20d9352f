#include "PngReader.h"

#include "core/FileIO.h"

#include <cstdlib>
#include <stdexcept>
#include <zlib.h>

namespace tavrik::test {

namespace {

struct THeader {
    int width = 0, height = 0, depth = 0, colorType = 0, interlace = 0;
    int Channels() const
    {
        switch (colorType) {
        case 0: return 1; // gray
        case 2: return 3; // RGB
        case 3: return 1; // palette
        case 4: return 2; // gray + alpha
        case 6: return 4; // RGB + alpha
        default: throw std::runtime_error("PNG: unknown colour type");
        }
    }
};

uint32_t BigEndian32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& compressed, size_t expected)
{
    std::vector<uint8_t> out(expected);
    uLongf length = uLongf(expected);
    if (uncompress(out.data(), &length, compressed.data(), uLong(compressed.size())) != Z_OK || length != expected)
        throw std::runtime_error("PNG: bad image data");
    return out;
}

uint8_t Paeth(int a, int b, int c)
{
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Undoes the per-row filters in place; returns the rows without their filter bytes.
std::vector<uint8_t> Unfilter(const std::vector<uint8_t>& raw, size_t stride, int height, size_t pixelBytes)
{
    std::vector<uint8_t> rows(stride * size_t(height));
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = &raw[size_t(y) * (stride + 1)];
        uint8_t* line = &rows[size_t(y) * stride];
        const uint8_t* prev = y > 0 ? line - stride : nullptr;
        for (size_t i = 0; i < stride; ++i) {
            int a = i >= pixelBytes ? line[i - pixelBytes] : 0;
            int b = prev ? prev[i] : 0;
            int c = prev && i >= pixelBytes ? prev[i - pixelBytes] : 0;
            int predictor = 0;
            switch (in[0]) {
            case 0: break;
            case 1: predictor = a; break;
            case 2: predictor = b; break;
            case 3: predictor = (a + b) / 2; break;
            case 4: predictor = Paeth(a, b, c); break;
            default: throw std::runtime_error("PNG: unknown filter");
            }
            line[i] = uint8_t(in[1 + i] + predictor);
        }
    }
    return rows;
}

unsigned Sample(const uint8_t* row, size_t index, int depth)
{
    if (depth == 16) return unsigned(row[2 * index] << 8 | row[2 * index + 1]);
    if (depth == 8) return row[index];
    size_t bit = index * size_t(depth);
    return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
}

uint8_t To8Bits(unsigned v, int depth)
{
    unsigned max = (1u << depth) - 1;
    return uint8_t((v * 255 * 2 + max) / (2 * max));
}

// Gray and RGB pictures name one transparent sample value in tRNS, as 16-bit numbers.
template <class Channel>
bool IsKeyColor(const std::vector<uint8_t>& transparency, const THeader& h, Channel channel)
{
    if (h.colorType != 0 && h.colorType != 2) return false;
    const int samples = h.colorType == 0 ? 1 : 3;
    if (transparency.size() < size_t(2 * samples)) return false;
    for (int c = 0; c < samples; ++c)
        if (channel(c) != unsigned(transparency[size_t(2 * c)] << 8 | transparency[size_t(2 * c + 1)])) return false;
    return true;
}

} // namespace

TPngPicture ReadPngFile(const std::string& path)
{
    std::vector<uint8_t> file = ReadFileBytes(path);
    THeader h;
    std::vector<uint8_t> palette, compressed, transparency;
    for (size_t pos = 8; pos + 12 <= file.size();) {
        uint32_t length = BigEndian32(&file[pos]);
        std::string type(reinterpret_cast<const char*>(&file[pos + 4]), 4);
        const uint8_t* body = &file[pos + 8];
        if (pos + 12 + length > file.size()) throw std::runtime_error("PNG: truncated chunk");
        if (type == "IHDR") {
            h.width = int(BigEndian32(body));
            h.height = int(BigEndian32(body + 4));
            h.depth = body[8], h.colorType = body[9], h.interlace = body[12];
        } else if (type == "PLTE") {
            palette.assign(body, body + length);
        } else if (type == "tRNS") {
            transparency.assign(body, body + length);
        } else if (type == "IDAT") {
            compressed.insert(compressed.end(), body, body + length);
        }
        pos += 12 + length;
    }
    if (h.interlace != 0) throw std::runtime_error("PNG: interlaced pictures are not read");
    const int channels = h.Channels();
    const size_t stride = (size_t(h.width) * size_t(channels * h.depth) + 7) / 8;
    const size_t pixelBytes = size_t(std::max(1, channels * h.depth / 8));
    std::vector<uint8_t> rows =
        Unfilter(Inflate(compressed, (stride + 1) * size_t(h.height)), stride, h.height, pixelBytes);

    TPngPicture picture{h.width, h.height, {}, {}};
    for (int y = 0; y < h.height; ++y) {
        const uint8_t* row = &rows[size_t(y) * stride];
        for (int x = 0; x < h.width; ++x) {
            auto channel = [&](int c) { return Sample(row, size_t(x) * size_t(channels) + size_t(c), h.depth); };
            uint8_t r, g, b, a = 255;
            if (h.colorType == 3) {
                size_t index = channel(0);
                if (3 * index + 2 >= palette.size()) throw std::runtime_error("PNG: index beyond the palette");
                r = palette[3 * index], g = palette[3 * index + 1], b = palette[3 * index + 2];
                if (index < transparency.size()) a = transparency[index];
            } else if (channels <= 2) {
                r = g = b = To8Bits(channel(0), h.depth);
                if (channels == 2) a = To8Bits(channel(1), h.depth);
            } else {
                r = To8Bits(channel(0), h.depth), g = To8Bits(channel(1), h.depth), b = To8Bits(channel(2), h.depth);
                if (channels == 4) a = To8Bits(channel(3), h.depth);
            }
            if (IsKeyColor(transparency, h, [&](int c) { return channel(c); })) a = 0;
            picture.colors.push_back(RGB(r, g, b));
            picture.alpha.push_back(a);
        }
    }
    return picture;
}

} // namespace tavrik::test
