// Draws the program's skin: skin.ini and its bitmaps.
//
//   tavrik_skingen FOLDER          writes the skin into FOLDER
//   tavrik_skingen --check FOLDER  exits with 1 when FOLDER holds anything else than what
//                                  would be written, so that stale artwork is noticed
//   tavrik_skingen --preview FILE  writes a picture of a skinned window as a BMP file
#include "Preview.h"
#include "SkinArt.h"
#include "core/Exception.h"
#include "core/FileIO.h"
#include "gfx/BmpFile.h"

#include <cstdio>
#include <string>

using namespace tavrik;
using namespace tavrik::skingen;

namespace {

std::vector<uint8_t> TextBytes(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return {text.begin(), text.end()};
}

// Every file of the skin with its bytes.
std::vector<std::pair<std::string, std::vector<uint8_t>>> SkinBytes()
{
    TSkinArt art;
    DrawSkin(art);
    std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {{"skin.ini", TextBytes(SkinText(art))}};
    for (const auto& [name, bitmap] : SkinFiles(art)) files.emplace_back(name, WriteBmp(*bitmap));
    return files;
}

int Write(const std::string& folder)
{
    for (const auto& [name, bytes] : SkinBytes()) WriteFileAtomically(folder + "/" + name, bytes);
    return 0;
}

int Check(const std::string& folder)
{
    int stale = 0;
    for (const auto& [name, bytes] : SkinBytes()) {
        std::string path = folder + "/" + name;
        if (!FileExists(path) || ReadFileBytes(path) != bytes) {
            std::fprintf(stderr, "%s is not what tavrik_skingen draws; run tavrik_skingen %s\n", path.c_str(),
                         folder.c_str());
            stale = 1;
        }
    }
    return stale;
}

int Preview(const std::string& path)
{
    TSkinArt art;
    DrawSkin(art);
    WriteBmpFile(DrawPreview(art), path);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2 && std::string(argv[1]).rfind("--", 0) != 0) return Write(argv[1]);
        if (argc == 3 && std::string(argv[1]) == "--check") return Check(argv[2]);
        if (argc == 3 && std::string(argv[1]) == "--preview") return Preview(argv[2]);
        std::fprintf(stderr, "usage: %s FOLDER | --check FOLDER | --preview FILE\n", argv[0]);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
