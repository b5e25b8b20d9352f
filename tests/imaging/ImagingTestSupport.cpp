#include "ImagingTestSupport.h"

#include "core/FileIO.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tavrik::test {

namespace fs = std::filesystem;

std::string TestDataPath(const std::string& relative) { return std::string(TAVRIK_TESTDATA_DIR) + "/" + relative; }

int RunCommand(const std::string& commandLine)
{
    int status = std::system(commandLine.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

::testing::AssertionResult ToolAvailable(const std::string& tool)
{
    if (RunCommand("command -v " + tool + " >/dev/null 2>&1") == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the reference tool '" << tool
                                         << "' is not installed; install it with scripts/setup-debian.sh";
}

std::string ShellQuote(const std::string& text)
{
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

namespace {

// Reads the next header number, skipping white space and comments.
int PnmNumber(const std::vector<uint8_t>& bytes, size_t& pos)
{
    while (pos < bytes.size() && (std::isspace(bytes[pos]) || bytes[pos] == '#')) {
        if (bytes[pos] == '#')
            while (pos < bytes.size() && bytes[pos] != '\n') ++pos;
        else
            ++pos;
    }
    int value = 0;
    while (pos < bytes.size() && std::isdigit(bytes[pos])) value = value * 10 + (bytes[pos++] - '0');
    return value;
}

} // namespace

TBitmap ReadPnm(const std::string& path)
{
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    if (bytes.size() < 2 || bytes[0] != 'P' || (bytes[1] != '5' && bytes[1] != '6'))
        throw std::runtime_error("not a binary PNM file: " + path);
    const int channels = bytes[1] == '6' ? 3 : 1;
    size_t pos = 2;
    const int width = PnmNumber(bytes, pos);
    const int height = PnmNumber(bytes, pos);
    const int maxval = PnmNumber(bytes, pos);
    ++pos;
    if (maxval != 255 || bytes.size() < pos + size_t(width) * height * channels)
        throw std::runtime_error("unexpected PNM layout: " + path);
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < width; ++x, pos += size_t(channels)) {
            row[3 * x + 2] = bytes[pos];
            row[3 * x + 1] = bytes[pos + (channels == 3 ? 1 : 0)];
            row[3 * x] = bytes[pos + (channels == 3 ? 2 : 0)];
        }
    }
    return picture;
}

void WritePpm(const TBitmap& picture, const std::string& path)
{
    std::string header = "P6\n" + std::to_string(picture.Width()) + " " + std::to_string(picture.Height()) + "\n255\n";
    std::vector<uint8_t> bytes(header.begin(), header.end());
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) bytes.insert(bytes.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
    }
    WriteFileAtomically(path, bytes);
}

TBitmap GradientPicture(int width, int height)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.ScanLine(y) + 3 * x;
            p[0] = uint8_t(x * 7);
            p[1] = uint8_t(y * 11);
            p[2] = uint8_t(x * y);
        }
    return picture;
}

TBitmap NoisePicture(int width, int height, uint32_t seed)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 3 * width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            picture.ScanLine(y)[x] = uint8_t(seed >> 24);
        }
    return picture;
}

::testing::AssertionResult SamePixels(const TBitmap& expected, const TBitmap& actual)
{
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
        return ::testing::AssertionFailure() << "size " << actual.Width() << " x " << actual.Height() << ", expected "
                                             << expected.Width() << " x " << expected.Height();
    for (int y = 0; y < expected.Height(); ++y) {
        const bool rowsComparable = expected.PixelFormat() == TPixelFormat::pf24bit &&
                                    actual.PixelFormat() == TPixelFormat::pf24bit;
        if (rowsComparable && std::memcmp(expected.ScanLine(y), actual.ScanLine(y), 3 * size_t(expected.Width())) == 0)
            continue;
        for (int x = 0; x < expected.Width(); ++x)
            if (expected.GetPixel(x, y) != actual.GetPixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is 0x" << std::hex << actual.GetPixel(x, y)
                       << ", expected 0x" << expected.GetPixel(x, y);
    }
    return ::testing::AssertionSuccess();
}

} // namespace tavrik::test
