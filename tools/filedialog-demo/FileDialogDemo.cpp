// tavrik-filedialog-demo [--screenshots FOLDER]
//
// The open and save picture dialogs in the program's skin. Without arguments the open dialog
// (several files may be chosen) and then the save dialog open on the X display, starting in
// the home folder, and the choices are printed. With --screenshots a folder of pictures is
// made in a temporary home and the dialogs are drawn on a headless screen: FOLDER receives
// open-list.png (a photograph selected, its preview), open-details.png (the report view),
// open-stretched.png (the preview stretched), open-damaged.png (a damaged file: no preview)
// and save.png.

#include "DemoDisplay.h"
#include "gfx/BmpFile.h"
#include "gfx/Canvas.h"
#include "imaging/PictureFiles.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinEdit.h"
#include "skindialogs/OpenPictureDlgForm.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinOpenPictureDialog.h"
#include "ui/Application.h"
#include "ui/MenuItem.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

// A landscape of sky, hills and a sun, different for each seed.
TBitmap Landscape(int width, int height, int seed)
{
    TBitmap picture(width, height);
    TCanvas c(picture);
    for (int y = 0; y < height; ++y) {
        c.Pen().Color = RGB(uint8_t(90 + y * 100 / height), uint8_t(140 + y * 80 / height), 235);
        c.MoveTo(0, y);
        c.LineTo(width, y);
    }
    c.Pen().Color = RGB(250, 210, 60);
    c.Brush().Color = RGB(250, 210, 60);
    const int sun = height / 6;
    c.Ellipse(width * (2 + seed % 5) / 8 - sun, height / 4 - sun, width * (2 + seed % 5) / 8 + sun, height / 4 + sun);
    for (int x = 0; x < width; ++x) {
        const double wave = std::sin(x * 6.3 / width * (1 + seed % 3) + seed) * height / 10;
        const int top = height * 3 / 5 + int(wave);
        c.Pen().Color = RGB(uint8_t(40 + seed * 20 % 60), uint8_t(120 + seed * 13 % 60), 50);
        c.MoveTo(x, top);
        c.LineTo(x, height);
    }
    return picture;
}

// A home with a folder of pictures: photographs, bitmaps, a damaged file, a text and folders.
std::string MakePictureHome()
{
    fs::path home = fs::temp_directory_path() / ("tavrik-filedialog-demo-" + std::to_string(::getpid()));
    fs::path pics = home / "Pictures";
    for (const char* folder : {"Pictures/2024 holiday", "Pictures/scans", "Desktop"}) fs::create_directories(home / folder);
    const char* photos[] = {"harbour.jpg", "IMG_0042.JPG", "IMG_0107.JPG", "meadow.jpg", "sunset.jpeg"};
    for (int i = 0; i < 5; ++i) WriteJpegFile(Landscape(1600, 1200, i), 85, (pics / photos[i]).string());
    WriteBmpFile(Landscape(320, 240, 7), (pics / "logo.bmp").string());
    WriteBmpFile(Landscape(64, 64, 9), (pics / "icon sketch.bmp").string());
    std::ofstream(pics / "damaged.jpg") << "not a picture";
    std::ofstream(pics / "notes.txt") << "a text";
    return home.string();
}

constexpr const char* kFilter = "Pictures (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG (*.jpg)|*.jpg;*.jpeg|Bitmaps (*.bmp)|*.bmp";

int RunScreenshots(const std::string& folder)
{
    THeadlessOptions options;
    options.width = 760;
    options.height = 460;
    options.desktopColor = RGB(58, 76, 96);
    auto backend = std::make_unique<THeadlessBackend>(options);
    THeadlessBackend* screen = backend.get();
    TWindowSystem ws(std::move(backend));
    const std::string home = MakePictureHome();
    {
        TbsStoredSkin stored;
        TbsSkinData skin(nullptr);
        LoadProgramSkin(stored);
        skin.ApplyStoredSkin(stored);
        TApplication app;
        auto shell = std::make_shared<TShellNamespace>(TShellEnvironment::ForHome(home));
        auto access = std::make_shared<TShellAccess>(shell);

        auto shot = [&](const char* name) {
            ProcessMessages();
            std::string path = folder + "/" + name + ".png";
            screen->SaveScreenshot(path);
            std::printf("%s\n", path.c_str());
        };
        auto form = [] { return dynamic_cast<TbsOpenPictureDlgForm*>(Screen()->ActiveForm()); };
        auto select = [&](const char* name) {
            TbsOpenPictureDlgForm* f = form();
            f->FileList->ClearSelection();
            f->FileList->SetItemSelected(f->FileList->IndexOfName(name), true);
            f->FileList->SetFocus();
        };

        TbsSkinOpenPictureDialog open(nullptr);
        open.SetSkinData(&skin);
        open.SetCtrlSkinData(&skin);
        open.SetShellAccess(access);
        open.SetFilter(kFilter);
        open.SetInitialDir(home + "/Pictures");
        open.SetMultiSelection(true);
        screen->WhenIdle([&] {
            select("meadow.jpg");
            shot("open-list");
            form()->ViewMenu->Items()->Items(3)->Click();
            select("IMG_0042.JPG");
            shot("open-details");
            form()->SetStretchDown(true);
            shot("open-stretched");
            select("damaged.jpg");
            shot("open-damaged");
            form()->SetModalResult(mrCancel);
        });
        open.Execute();

        TbsSkinSavePictureDialog save(nullptr);
        save.SetSkinData(&skin);
        save.SetCtrlSkinData(&skin);
        save.SetShellAccess(access);
        save.SetFilter("*.jpg|*.JPG|*.bmp|*.BMP|");
        save.SetInitialDir(home + "/Pictures");
        save.SetFileName("meadow small");
        screen->WhenIdle([&] {
            shot("save");
            form()->SetModalResult(mrCancel);
        });
        save.Execute();
    }
    fs::remove_all(home);
    return 0;
}

int RunOnDisplay()
{
    std::unique_ptr<TWindowSystem> ws = OpenDemoDisplay("tavrik-filedialog-demo");
    if (!ws) return 1;
    TbsStoredSkin stored;
    TbsSkinData skin(nullptr);
    LoadProgramSkin(stored);
    skin.ApplyStoredSkin(stored);
    TApplication app;
    const char* home = std::getenv("HOME");
    TbsSkinOpenPictureDialog open(nullptr);
    open.SetSkinData(&skin);
    open.SetCtrlSkinData(&skin);
    open.SetFilter(kFilter);
    open.SetInitialDir(home ? home : "rfDesktop");
    open.SetMultiSelection(true);
    if (open.Execute())
        for (const std::string& file : open.Files()) std::printf("open: %s\n", file.c_str());
    TbsSkinSavePictureDialog save(nullptr);
    save.SetSkinData(&skin);
    save.SetCtrlSkinData(&skin);
    save.SetFilter("*.jpg|*.JPG|*.bmp|*.BMP|");
    save.SetInitialDir(home ? home : "rfDesktop");
    if (save.Execute()) std::printf("save: %s (filter %d)\n", save.FileName().c_str(), save.FilterIndex());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0) return RunScreenshots(argv[2]);
    if (argc != 1) {
        std::fprintf(stderr, "usage: tavrik-filedialog-demo [--screenshots FOLDER]\n");
        return 2;
    }
    return RunOnDisplay();
}
