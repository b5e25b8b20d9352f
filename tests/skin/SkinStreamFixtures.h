#pragma once

#include "core/FileIO.h"
#include "gfx/Bitmap.h"
#include "skin/SkinPictureSet.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tavrik::test {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TTempDir {
public:
    TTempDir()
    {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tavrik-skin-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(path_);
    }
    ~TTempDir() { std::filesystem::remove_all(path_); }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::string Path(const std::string& name = "") const { return name.empty() ? path_.string() : (path_ / name).string(); }
    void WriteText(const std::string& name, const std::string& text) const
    {
        WriteFileAtomically(Path(name), std::vector<uint8_t>(text.begin(), text.end()));
    }

private:
    std::filesystem::path path_;
};

// A paletted bitmap with a recognisable pixel pattern.
inline TBitmap PatternBitmap(int width, int height, TPixelFormat format, uint8_t seed)
{
    TBitmap b(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y, RGB(uint8_t(seed + 40 * x), uint8_t(seed * 3 + 50 * y), uint8_t(seed + x * y)));
    return b;
}

// picture, no inactive picture, a mask and three active pictures of different depths.
inline TbsSkinPictureSet SamplePictures()
{
    TbsSkinPictureSet set;
    set.picture = PatternBitmap(7, 5, TPixelFormat::pf8bit, 1);
    set.mask = PatternBitmap(7, 5, TPixelFormat::pf4bit, 2);
    set.activepictures.push_back(PatternBitmap(9, 3, TPixelFormat::pf8bit, 3));
    set.activepictures.push_back(PatternBitmap(33, 2, TPixelFormat::pf1bit, 4));
    set.activepictures.push_back(PatternBitmap(2, 2, TPixelFormat::pf24bit, 5));
    return set;
}

} // namespace tavrik::test
