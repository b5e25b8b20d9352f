// tavrik-seldir-demo [--screenshots FOLDER]
//
// The select-directory dialog in the program's skin. Without arguments it opens on the X
// display over the real file system and prints the chosen folder. With --screenshots it runs
// on a headless screen over a made-up home folder of picture folders, and FOLDER receives one
// PNG per state: the first use (the computer open), a folder of pictures selected, and a
// folder with more subfolders than fit, with the scroll bars showing.

#include "DemoDisplay.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skindialogs/SelDirDlgForm.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinDirTreeView.h"
#include "skindialogs/SkinSelectDirectoryDialog.h"
#include "ui/Application.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

// The program's skin on the dialog's frame and controls, with the workbench's title and font.
struct TDemo {
    TbsStoredSkin stored;
    TbsSkinData skin;
    TbsSkinSelectDirectoryDialog* dialog = nullptr;

    void Build(TApplication& app)
    {
        LoadProgramSkin(stored);
        skin.ApplyStoredSkin(stored);
        dialog = new TbsSkinSelectDirectoryDialog(&app);
        dialog->SetSkinData(&skin);
        dialog->SetCtrlSkinData(&skin);
        dialog->SetTitle("选择目录");
        dialog->DefaultFont().SetHeight(15);
    }
};

// A home folder of picture folders below `root`, with user-dirs.dirs naming its desktop.
TShellEnvironment MadeUpHome(const fs::path& root)
{
    const fs::path home = root / "home";
    for (const char* folder : {"Desktop", "Pictures/2023 summer", "Pictures/2024 winter/raw", "Pictures/scans",
                               "Documents", "Downloads", "out", ".config"})
        fs::create_directories(home / folder);
    for (int i = 1; i <= 40; ++i) fs::create_directories(home / "Pictures/scans" / ("batch " + std::to_string(i)));
    std::ofstream(home / ".config/user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n";
    std::ofstream(root / "mounts") << "/dev/sda1 / ext4 rw 0 0\n";
    TShellEnvironment env = TShellEnvironment::ForHome(home.string());
    env.mountTable = (root / "mounts").string();
    return env;
}

int RunScreenshots(const std::string& folder)
{
    THeadlessOptions options;
    options.width = 480;
    options.height = 420;
    options.desktopColor = RGB(58, 76, 96);
    auto backend = std::make_unique<THeadlessBackend>(options);
    THeadlessBackend* screen = backend.get();
    TWindowSystem ws(std::move(backend));
    const fs::path root = fs::temp_directory_path() / ("tavrik-seldir-demo-" + std::to_string(::getpid()));
    int failures = 0;
    {
        TDemo demo;
        TApplication app;
        demo.Build(app);
        const TShellEnvironment env = MadeUpHome(root);
        demo.dialog->SetShellAccess(std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>(env)));
        auto shot = [&](const std::string& name) {
            ProcessMessages();
            std::string path = folder + "/" + name + ".png";
            screen->SaveScreenshot(path);
            std::printf("%s\n", path.c_str());
        };
        // Each use: a screenshot once the dialog shows, then `close` ends it.
        auto use = [&](const std::string& name, const std::string& start, const std::function<void()>& close) {
            demo.dialog->SetDirectory(start);
            screen->WhenIdle([&] {
                if (!dynamic_cast<TbsSelDirDlgForm*>(Screen()->ActiveForm())) ++failures;
                shot(name);
                close();
            });
            demo.dialog->Execute();
        };
        use("first-use", "", [&] { screen->PressKey(VK_ESCAPE); });
        use("pictures", env.homeDir + "/Pictures/2024 winter", [&] { screen->PressKey(VK_RETURN); });
        if (demo.dialog->Directory() != env.homeDir + "/Pictures/2024 winter") ++failures;
        use("scroll-bars", env.homeDir + "/Pictures/scans/batch 30", [&] { screen->PressKey(VK_ESCAPE); });
    }
    fs::remove_all(root);
    return failures == 0 ? 0 : 1;
}

int RunOnDisplay()
{
    std::unique_ptr<TWindowSystem> ws = OpenDemoDisplay("tavrik-seldir-demo");
    if (!ws) return 1;
    TDemo demo;
    TApplication app;
    demo.Build(app);
    if (!demo.dialog->Execute()) return 1;
    std::printf("%s\n", demo.dialog->Directory().c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0) return RunScreenshots(argv[2]);
    if (argc != 1) {
        std::fprintf(stderr, "usage: tavrik-seldir-demo [--screenshots FOLDER]\n");
        return 2;
    }
    return RunOnDisplay();
}
