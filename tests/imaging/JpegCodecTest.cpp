#include "ImagingTestSupport.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "imaging/JpegCodec.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <jpeglib.h>
#include <sstream>

using namespace tavrik;
using namespace tavrik::test;

namespace {

struct TSegment {
    uint8_t marker;
    std::vector<uint8_t> body; // without the length field
};

// The marker segments before the first scan.
std::vector<TSegment> HeaderSegments(const std::vector<uint8_t>& stream)
{
    std::vector<TSegment> segments;
    size_t pos = 2;
    while (pos + 4 <= stream.size() && stream[pos] == 0xFF) {
        uint8_t marker = stream[pos + 1];
        size_t length = size_t(stream[pos + 2] << 8 | stream[pos + 3]);
        segments.push_back({marker, {stream.begin() + long(pos + 4), stream.begin() + long(pos + 2 + length)}});
        if (marker == 0xDA) break;
        pos += 2 + length;
    }
    return segments;
}

std::vector<std::vector<int>> QuantisationTables(const std::vector<uint8_t>& stream)
{
    std::vector<std::vector<int>> tables;
    for (const TSegment& s : HeaderSegments(stream))
        for (size_t pos = 0; s.marker == 0xDB && pos + 65 <= s.body.size(); pos += 65)
            tables.emplace_back(s.body.begin() + long(pos + 1), s.body.begin() + long(pos + 65));
    return tables;
}

const TSegment* FindSegment(const std::vector<TSegment>& segments, uint8_t marker)
{
    auto it = std::find_if(segments.begin(), segments.end(), [marker](const TSegment& s) { return s.marker == marker; });
    return it == segments.end() ? nullptr : &*it;
}

std::string DecodeError(const std::string& path)
{
    try {
        JpegDecode(path);
    } catch (const EJpegError& e) {
        return e.what();
    }
    return "(decoded)";
}

// A picture written with libjpeg directly, as other programs write them: 16 pixels wide, every
// row the same, pixel x taking components [x * n, x * n + n) of samples.
std::vector<uint8_t> LibjpegStream(J_COLOR_SPACE space, int components, const std::vector<uint8_t>& samples,
                                   bool adobeMarker)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    const int width = int(samples.size()) / components;
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = 16;
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    cinfo.write_Adobe_marker = adobeMarker;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row = samples;
    JSAMPROW rowPointer = row.data();
    while (cinfo.next_scanline < cinfo.image_height) jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> stream(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return stream;
}

std::vector<uint8_t> FlatCmykJpeg(const uint8_t cmyk[4], bool adobeMarker)
{
    std::vector<uint8_t> samples;
    for (int x = 0; x < 16; ++x) samples.insert(samples.end(), cmyk, cmyk + 4);
    return LibjpegStream(JCS_CMYK, 4, samples, adobeMarker);
}

} // namespace

TEST(JpegCodec, EverySampleDecodesOrFailsAsDjpegDoes)
{
    std::ifstream in(TestDataPath("jpeg/EXPECTED_djpeg.tsv"));
    ASSERT_TRUE(in) << "missing test data";
    std::string line;
    int files = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string file, exitCode, size;
        std::getline(fields, file, '\t');
        std::getline(fields, exitCode, '\t');
        std::getline(fields, size, '\t');
        SCOPED_TRACE(file + " " + size);
        ++files;
        const std::string path = TestDataPath("jpeg/" + file);
        if (exitCode == "1") {
            EXPECT_THROW(JpegDecode(path), EJpegError);
            continue;
        }
        TBitmap picture = JpegDecode(path);
        EXPECT_EQ(std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()),
                  size.substr(0, size.rfind('x')));
        EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
    }
    EXPECT_GT(files, 500);
}

TEST(JpegCodec, UnsupportedKindsGiveClearErrorsNamingTheFile)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"libjpeg-turbo/testorig12.jpg", "only JPEG pictures with 8 bits per sample are supported"},
        {"jpegsuite/extended_huffman/8x8x12_grayscale_check.jpg", "only JPEG pictures with 8 bits per sample"},
        {"jpegsuite/lossless_huffman/32x32x8_grayscale.jpg", "lossless JPEG pictures are not supported"},
        {"jpegsuite/lossless_arithmetic/32x32x8_rgb.jpg", "lossless JPEG pictures are not supported"},
        {"jpegsuite/ls/32x32x8_rgb.jpg", "JPEG-LS pictures are not supported"},
        {"jpeg-decoder/reftest/mozilla/jpg-size-6x6.jpg", "this is not a JPEG file"},
        {"jpeg-decoder/crashtest/empty.jpg", "this is not a JPEG file"},
    };
    for (const auto& [file, reason] : cases) {
        SCOPED_TRACE(file);
        const std::string path = TestDataPath("jpeg/" + file);
        const std::string message = DecodeError(path);
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        EXPECT_NE(message.find(path), std::string::npos) << message;
    }
    EXPECT_THROW(JpegDecode(TestDataPath("jpeg/no-such-file.jpg")), EFileError);
}

TEST(JpegCodec, DamagedStreamsFailOrGiveWholePictures)
{
    const std::vector<uint8_t> good = ReadFileBytes(TestDataPath("jpeg/libjpeg-turbo/testorig.jpg"));
    // Data cut short decodes to the full size, as libjpeg pads the missing part.
    std::vector<uint8_t> half(good.begin(), good.begin() + long(good.size() / 2));
    TBitmap picture = JpegDecode(half);
    EXPECT_EQ(picture.Width(), 227);
    EXPECT_EQ(picture.Height(), 149);
    std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 100);
    EXPECT_THROW(JpegDecode(headerOnly), EJpegError);
    EXPECT_THROW(JpegDecode(std::vector<uint8_t>{}), EJpegError);
    EXPECT_THROW(JpegDecode(std::vector<uint8_t>(1000, 0xFF)), EJpegError);
    for (uint32_t seed = 1; seed < 40; ++seed) {
        // Flipped bytes all over the entropy-coded data and the tables.
        std::vector<uint8_t> damaged = good;
        for (size_t i = 20 + seed; i < damaged.size(); i += 97 + seed) damaged[i] ^= uint8_t(seed * 37);
        try {
            TBitmap p = JpegDecode(damaged);
            EXPECT_FALSE(p.Empty());
        } catch (const EJpegError&) {
        }
    }
}

TEST(JpegCodec, PictureSizeIsCheckedBeforeAllocating)
{
    std::vector<uint8_t> stream = JpegEncode(GradientPicture(16, 16), 75);
    const uint8_t sofMarker[] = {0xFF, 0xC0};
    auto sof = std::search(stream.begin(), stream.end(), std::begin(sofMarker), std::end(sofMarker));
    ASSERT_NE(sof, stream.end());
    size_t at = size_t(sof - stream.begin()) + 5; // marker, length, precision
    for (size_t i : {at, at + 2}) { // height, width: 60000 x 60000 needs 10 GiB
        stream[i] = 60000 >> 8;
        stream[i + 1] = 60000 & 255;
    }
    try {
        JpegDecode(stream);
        FAIL() << "a picture beyond the cap was decoded";
    } catch (const EJpegError& e) {
        EXPECT_NE(std::string(e.what()).find("1 GiB"), std::string::npos) << e.what();
    }
}

TEST(JpegCodec, CmykIsConvertedWithOrWithoutTheAdobeInversion)
{
    // The same colour, R 100 G 50 B 25, stored inverted (Adobe) and plain.
    const uint8_t adobe[4] = {200, 100, 50, 128};
    const uint8_t plain[4] = {55, 155, 205, 127};
    for (bool inverted : {true, false}) {
        SCOPED_TRACE(inverted ? "Adobe" : "plain");
        TBitmap picture = JpegDecode(FlatCmykJpeg(inverted ? adobe : plain, inverted));
        ASSERT_EQ(picture.Width(), 16);
        for (int y = 0; y < 16; y += 5)
            for (int x = 0; x < 16; x += 5) {
                const uint8_t* p = picture.ScanLine(y) + 3 * x;
                EXPECT_NEAR(p[2], 100, 2);
                EXPECT_NEAR(p[1], 50, 2);
                EXPECT_NEAR(p[0], 25, 2);
            }
    }
}

TEST(JpegCodec, GrayscaleBecomesGray24BitWithAtMost236Levels)
{
    std::vector<uint8_t> ramp(256);
    for (int x = 0; x < 256; ++x) ramp[size_t(x)] = uint8_t(x);
    TBitmap picture = JpegDecode(LibjpegStream(JCS_GRAYSCALE, 1, ramp, false));
    std::vector<bool> seen(256);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const uint8_t* p = picture.ScanLine(y) + 3 * x;
            ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]);
            seen[p[0]] = true;
        }
    const auto levels = std::count(seen.begin(), seen.end(), true);
    EXPECT_LE(levels, 236);
    EXPECT_GE(levels, 200);
}

TEST(JpegCodec, FileAndMemoryDecodeAlike)
{
    const std::string path = TestDataPath("jpeg/libjpeg-turbo/testimgari.jpg");
    EXPECT_TRUE(SamePixels(JpegDecode(path), JpegDecode(ReadFileBytes(path))));
}

TEST(JpegCodec, EncoderWritesBaselineJfifWithTheIjgQualityScale)
{
    const TBitmap picture = NoisePicture(40, 24, 5);
    const std::vector<uint8_t> q0 = JpegEncode(picture, 0);
    EXPECT_EQ(q0, JpegEncode(picture, 1));
    EXPECT_EQ(JpegEncode(picture, 200), JpegEncode(picture, 100));
    for (const auto& table : QuantisationTables(q0)) EXPECT_EQ(table, std::vector<int>(64, 255));
    const auto q100 = QuantisationTables(JpegEncode(picture, 100));
    ASSERT_EQ(q100.size(), 2u);
    for (const auto& table : q100) EXPECT_EQ(table, std::vector<int>(64, 1));
    // Quality 50 keeps the standard tables; their first zigzag entries are 16, 11, 12 and 17, 18, 18.
    const auto q50 = QuantisationTables(JpegEncode(picture, 50));
    ASSERT_EQ(q50.size(), 2u);
    EXPECT_EQ(std::vector<int>(q50[0].begin(), q50[0].begin() + 3), (std::vector<int>{16, 11, 12}));
    EXPECT_EQ(std::vector<int>(q50[1].begin(), q50[1].begin() + 3), (std::vector<int>{17, 18, 18}));
    // Quality 75 halves them: (16 * 50 + 50) / 100 = 8.
    EXPECT_EQ(QuantisationTables(JpegEncode(picture, 75))[0][0], 8);

    const auto segments = HeaderSegments(q0);
    const TSegment* jfif = FindSegment(segments, 0xE0);
    ASSERT_NE(jfif, nullptr);
    EXPECT_EQ(jfif->body, (std::vector<uint8_t>{'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}));
    const TSegment* sof = FindSegment(segments, 0xC0);
    ASSERT_NE(sof, nullptr) << "not a baseline frame";
    EXPECT_EQ(sof->body, (std::vector<uint8_t>{8, 0, 24, 0, 40, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1}));
    EXPECT_EQ(FindSegment(segments, 0xDD), nullptr) << "restart markers";
}

TEST(JpegCodec, EncodesEmptyAndPalettedPictures)
{
    EXPECT_TRUE(JpegEncode(TBitmap(), 75).empty());
    EXPECT_TRUE(JpegEncode(TBitmap(0, 5), 75).empty());
    EXPECT_TRUE(JpegEncode(TBitmap(5, 0), 75).empty());
    // Wider than the format can describe: an error, not a broken file.
    EXPECT_THROW(JpegEncode(TBitmap(65501, 1), 75), EJpegError);
    TBitmap paletted(9, 7, TPixelFormat::pf8bit);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) paletted.ScanLine(y)[x] = uint8_t(x * 20 + y);
    EXPECT_EQ(JpegEncode(paletted, 75), JpegEncode(paletted.ToPictureBuffer(), 75));
}

TEST(JpegCodec, RoundTripKeepsColoursInTheirChannels)
{
    TBitmap picture(32, 32);
    picture.Fill(RGB(220, 30, 90));
    TBitmap decoded = JpegDecode(JpegEncode(picture, 100));
    ASSERT_EQ(decoded.Width(), 32);
    ASSERT_EQ(decoded.Height(), 32);
    const uint8_t* p = decoded.ScanLine(16) + 3 * 16;
    EXPECT_NEAR(p[2], 220, 2);
    EXPECT_NEAR(p[1], 30, 2);
    EXPECT_NEAR(p[0], 90, 2);
}
