#include "GoldenImage.h"

#include "gfx/BmpFile.h"
#include "wsys/backends/headless/PngWriter.h"

#include <cstdlib>
#include <filesystem>

namespace tavrik::testing {

namespace {

int ChannelDistance(TColor a, TColor b)
{
    return std::max({std::abs(int(GetRValue(a)) - int(GetRValue(b))), std::abs(int(GetGValue(a)) - int(GetGValue(b))),
                     std::abs(int(GetBValue(a)) - int(GetBValue(b)))});
}

std::string WriteForAPerson(const TBitmap& picture, const std::string& name)
{
    std::filesystem::create_directories("golden-out");
    const std::string stem = "golden-out/" + name;
    WriteBmpFile(picture, stem + ".bmp");
    WritePngFile(picture, stem + ".png");
    return std::filesystem::absolute(stem + ".png").string();
}

} // namespace

::testing::AssertionResult MatchesGolden(const TBitmap& picture, const std::string& name, TGoldenTolerance tolerance)
{
    const std::string path = std::string(TAVRIK_SOURCE_DIR) + "/tests/skincontrols/golden/" + name + ".bmp";
    if (!std::filesystem::exists(path))
        return ::testing::AssertionFailure() << "no golden image " << path << "; the picture is in "
                                             << WriteForAPerson(picture, name);
    const TBitmap golden = ReadBmpFile(path);
    if (golden.Width() != picture.Width() || golden.Height() != picture.Height())
        return ::testing::AssertionFailure() << "size " << picture.Width() << "x" << picture.Height() << ", golden "
                                             << golden.Width() << "x" << golden.Height() << "; the picture is in "
                                             << WriteForAPerson(picture, name);
    int unequal = 0;
    for (int y = 0; y < golden.Height(); ++y)
        for (int x = 0; x < golden.Width(); ++x)
            if (ChannelDistance(golden.GetPixel(x, y), picture.GetPixel(x, y)) > tolerance.Channel) ++unequal;
    if (unequal <= tolerance.Pixels) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << unequal << " pixels differ from " << path << "; the picture is in "
                                         << WriteForAPerson(picture, name);
}

} // namespace tavrik::testing
