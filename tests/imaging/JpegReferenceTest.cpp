// The codec against libjpeg-turbo's own command-line tools built on the same library: the
// encoder must write the very bytes of cjpeg, the decoder the very pixels of djpeg.
#include "ImagingTestSupport.h"

#include "core/FileIO.h"
#include "imaging/JpegCodec.h"

#include <fstream>
#include <sstream>

using namespace tavrik;
using namespace tavrik::test;

namespace {

struct TSampleExpectation {
    std::string file;
    int exitCode = 0;
    int components = 0; // of djpeg's output, 0 when it produced none
};

std::vector<TSampleExpectation> ReadExpectations()
{
    std::vector<TSampleExpectation> samples;
    std::ifstream in(TestDataPath("jpeg/EXPECTED_djpeg.tsv"));
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        TSampleExpectation sample;
        std::string exitCode, size;
        std::getline(fields, sample.file, '\t');
        std::getline(fields, exitCode, '\t');
        std::getline(fields, size, '\t');
        sample.exitCode = std::stoi(exitCode);
        if (size != "-") sample.components = std::stoi(size.substr(size.rfind('x') + 1));
        samples.push_back(sample);
    }
    return samples;
}

class JpegReference : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        ASSERT_TRUE(ToolAvailable("cjpeg"));
        ASSERT_TRUE(ToolAvailable("djpeg"));
    }

    std::vector<uint8_t> CjpegOf(const TBitmap& picture, int quality)
    {
        WritePpm(picture, PathOf("in.ppm"));
        std::string command = "cjpeg -dct float -quality " + std::to_string(quality) + " -baseline -outfile " +
                              ShellQuote(PathOf("out.jpg")) + " " + ShellQuote(PathOf("in.ppm"));
        EXPECT_EQ(RunCommand(command), 0) << command;
        return ReadFileBytes(PathOf("out.jpg"));
    }

    TBitmap DjpegOf(const std::string& file, bool quantised)
    {
        std::string command = std::string("djpeg -dct float ") + (quantised ? "-colors 236 -dither fs " : "") +
                              "-pnm -outfile " + ShellQuote(PathOf("out.pnm")) + " " + ShellQuote(file) + " 2>/dev/null";
        int status = RunCommand(command);
        EXPECT_TRUE(status == 0 || status == 2) << command;
        return ReadPnm(PathOf("out.pnm"));
    }
};

} // namespace

TEST_F(JpegReference, EncoderWritesTheBytesOfCjpeg)
{
    std::vector<std::pair<std::string, TBitmap>> inputs;
    inputs.emplace_back("gradient 37 x 23", GradientPicture(37, 23));
    inputs.emplace_back("noise 64 x 64", NoisePicture(64, 64, 7));
    inputs.emplace_back("single pixel", NoisePicture(1, 1, 3));
    inputs.emplace_back("thin 2 x 301", NoisePicture(2, 301, 11));
    inputs.emplace_back("photograph", ReadPnm(TestDataPath("jpeg/libjpeg-turbo/testorig.ppm")));
    for (const auto& [name, picture] : inputs)
        for (int quality : {0, 1, 50, 75, 100}) {
            SCOPED_TRACE(name + " at quality " + std::to_string(quality));
            EXPECT_EQ(JpegEncode(picture, uint8_t(quality)), CjpegOf(picture, quality));
        }
}

TEST_F(JpegReference, DecoderGivesThePixelsOfDjpegOnEverySample)
{
    int compared = 0;
    for (const TSampleExpectation& sample : ReadExpectations()) {
        if (sample.exitCode == 1) continue;
        SCOPED_TRACE(sample.file);
        const std::string path = TestDataPath("jpeg/" + sample.file);
        // djpeg's PPM writer turns CMYK into RGB the way Adobe files store it, as we do.
        const bool gray = sample.components == 1;
        EXPECT_TRUE(SamePixels(DjpegOf(path, gray), JpegDecode(path)));
        ++compared;
    }
    EXPECT_GT(compared, 250);
}

TEST_F(JpegReference, LowColorScreenDecodesThroughA236ColorPalette)
{
    for (const char* file : {"libjpeg-turbo/testorig.jpg", "libjpeg-turbo/testimgari.jpg",
                             "jpegsuite/progressive_huffman/32x32x8_ycbcr.jpg", "jpeg-decoder/reftest/rgb.jpg",
                             "jpegsuite/baseline/32x32x8_grayscale.jpg"}) {
        SCOPED_TRACE(file);
        const std::string path = TestDataPath(std::string("jpeg/") + file);
        EXPECT_TRUE(SamePixels(DjpegOf(path, true), JpegDecode(path, TJpegDecodeMode::LowColorScreen)));
    }
}
