// tavrik_appicons FOLDER: the program's icon for the desktop's menus and file managers, in
// the sizes of the hicolor theme, drawn by the code that draws the window icon.

#include "gfx/SystemIcons.h"
#include "wsys/backends/headless/PngWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavrik_appicons FOLDER\n");
        return 2;
    }
    try {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
            const std::filesystem::path folder = std::filesystem::path(argv[1]) / "hicolor" / sizeName / "apps";
            std::filesystem::create_directories(folder);
            tavrik::WritePngFile(tavrik::SystemIcon(tavrik::TSystemIcon::Application, size),
                                 (folder / "tavrik.png").string(), tavrik::TPngAlpha::Keep);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavrik_appicons: %s\n", e.what());
        return 1;
    }
    return 0;
}
