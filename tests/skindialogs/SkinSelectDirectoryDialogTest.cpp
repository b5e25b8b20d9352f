#include "skin/DataSkinButtonControls.h"
#include "skin/SkinData.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinPanel.h"
#include "skindialogs/SelDirDlgForm.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinDirTreeView.h"
#include "skindialogs/SkinSelectDirectoryDialog.h"
#include "skinforms/RevideruDadoZiri.h"
#include "ui/MessageDlg.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

#include "shell/ShellTestTree.h"
#include "skincontrols/SkinScene.h"

#include <filesystem>
#include <functional>

using namespace tavrik;
using namespace tavrik::testing;
namespace fs = std::filesystem;

namespace {

class SkinSelectDirectoryDialogTest : public SkinScene {
protected:
    void SetUp() override
    {
        tree.MakeFolder("home/pics/2024");
        tree.MakeFolder("home/out");
        LoadProgramSkin();
        dialog = new TbsSkinSelectDirectoryDialog(form);
        dialog->SetShellAccess(access);
        dialog->SetSkinData(data);
        dialog->SetCtrlSkinData(data);
        dialog->SetTitle("\xe9\x80\x89\xe6\x8b\xa9\xe7\x9b\xae\xe5\xbd\x95"); // "choose folder", as the program titles it
    }
    // Skinned buttons are as high as the skin draws them.
    int SkinButtonHeight() const
    {
        auto* button = dynamic_cast<const TbsDataSkinButtonControl*>(
            data->SkinControls.at(size_t(data->IndexOfSkinControl("button"))).get());
        return button ? button->skinrect.Height() : 25;
    }
    static TbsSelDirDlgForm* Shown() { return dynamic_cast<TbsSelDirDlgForm*>(Screen()->ActiveForm()); }
    // Runs the dialog; `steps` run one after another while it is open, each after the input
    // of the one before was handled.
    bool Run(std::vector<std::function<void(TbsSelDirDlgForm*)>> steps)
    {
        for (auto& step : steps)
            screen->WhenIdle([this, step] {
                TbsSelDirDlgForm* shown = Shown();
                ASSERT_NE(shown, nullptr) << "the dialog is not showing";
                step(shown);
            });
        return dialog->Execute();
    }
    // The selected node's text and those of the open nodes above it, top first.
    static std::vector<std::string> SelectedChain(const TbsSelDirDlgForm* f)
    {
        std::vector<std::string> chain;
        for (TTreeNode* n = f->DirTree->Selected(); n; n = n->Parent()) {
            if (n != f->DirTree->Selected()) {
                EXPECT_TRUE(n->Expanded()) << n->Text();
            }
            chain.insert(chain.begin(), n->Text());
        }
        return chain;
    }

    test::TShellTestTree tree;
    std::shared_ptr<const TShellAccess> access =
        std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>(tree.Environment()));
    TbsSkinSelectDirectoryDialog* dialog = nullptr;
};

TEST_F(SkinSelectDirectoryDialogTest, OpensWithTheComputerAndTheLayoutItsUsersKnow)
{
    EXPECT_EQ(TbsSkinSelectDirectoryDialog(nullptr).Title(), "Select folder");
    bool shown = Run({[&](TbsSelDirDlgForm* f) {
        EXPECT_EQ(f->Caption(), dialog->Title());
        EXPECT_EQ(f->ClientWidth(), 280);
        EXPECT_EQ(f->ClientHeight(), 280);
        EXPECT_EQ(SelectedChain(f), (std::vector<std::string>{"Desktop", "Computer"}));
        EXPECT_TRUE(f->DirTree->Selected()->Expanded());
        EXPECT_EQ(f->DirTree->Selected()->Count(), 2) << "File System and the stick";
        EXPECT_EQ(f->ActiveControl(), f->DirTree);
        EXPECT_EQ(f->BottomPanel->Height(), 50);
        EXPECT_EQ(f->MainPanel->BoundsRect(), Rect(0, 0, f->ClientWidth(), f->ClientHeight() - 50));
        struct Expected {
            TbsSkinButton* button;
            const char* caption;
            TRect bounds;
            TModalResult result;
        } buttons[] = {{f->OkButton, "OK", Bounds(20, 15, 70, SkinButtonHeight()), mrOk},
                       {f->CancelButton, "Cancel", Bounds(100, 15, 70, SkinButtonHeight()), mrCancel}};
        for (const Expected& e : buttons) {
            SCOPED_TRACE(e.caption);
            EXPECT_EQ(e.button->Caption(), e.caption);
            EXPECT_EQ(e.button->Parent(), f->BottomPanel);
            EXPECT_EQ(e.button->BoundsRect(), e.bounds);
            EXPECT_EQ(e.button->ModalResult(), e.result);
        }
        EXPECT_TRUE(f->OkButton->Default());
        EXPECT_TRUE(f->CancelButton->Cancel());
        TRect w = GetWindowRect(f->Handle());
        EXPECT_EQ(w.Left + w.Width() / 2, 400) << "centred on the screen";
        // Keyboard only: down to the file system, Enter confirms.
        screen->PressKey(VK_DOWN);
        screen->PressKey(VK_RETURN);
    }});
    ASSERT_TRUE(shown);
    EXPECT_EQ(dialog->Directory(), "/");
}

TEST_F(SkinSelectDirectoryDialogTest, StartFolderKeysAndWhatComesBack)
{
    using Chain = std::vector<std::string>;
    const std::string out = tree.Path("home/out");
    struct Case {
        const char* what;
        std::string start;
        Chain opensAt;
        std::vector<UINT> keys;
        bool confirmed;
        std::string directory;
    } cases[] = {
        {"an existing folder, confirmed", out, {"Desktop", "Home", "out"}, {VK_RETURN}, true, out},
        {"a trailing slash", out + "/", {"Desktop", "Home", "out"}, {VK_UP, VK_RETURN}, true, tree.Path("home/empty")},
        {"no such folder", tree.Path("home/gone"), {"Desktop", "Computer"}, {VK_RETURN}, true, "Computer"},
        {"Esc", out, {"Desktop", "Home", "out"}, {VK_UP, VK_ESCAPE}, false, out},
        {"Tab to Cancel", "", {"Desktop", "Computer"}, {VK_TAB, VK_TAB, VK_RETURN}, false, ""},
        {"a file", tree.Path("home/pics/notes.txt"), {"Desktop", "Computer"}, {VK_ESCAPE}, false, tree.Path("home/pics/notes.txt")},
    };
    tree.MakeFolder("home/empty");
    tree.WriteText("home/pics/notes.txt", "x");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog->SetDirectory(c.start);
        bool confirmed = Run({[&](TbsSelDirDlgForm* f) {
            EXPECT_EQ(SelectedChain(f), c.opensAt);
            for (UINT key : c.keys) screen->PressKey(key);
        }});
        EXPECT_EQ(confirmed, c.confirmed);
        EXPECT_EQ(dialog->Directory(), c.directory);
    }
}

TEST_F(SkinSelectDirectoryDialogTest, KeepsItsSizeAndReportsAFolderThatCannotBeRead)
{
    tree.MakeFolder("home/doomed/inside");
    std::vector<std::string> messages;
    TMessageBoxHandler previous = SetMessageBoxHandler([&](const std::string& msg, TMsgDlgType, TMsgDlgButtons, int) {
        messages.push_back(msg);
        return int(mrOk);
    });
    dialog->SetDirectory(tree.Path("home/doomed"));
    Run({[&](TbsSelDirDlgForm* f) {
        EXPECT_EQ(f->DirTree->Path(), tree.Path("home/doomed"));
        f->SetClientSize(420, 330);
        fs::remove_all(tree.Path("home/doomed"));
        screen->PressKey(VK_F5); // reads it again
    },
         [&](TbsSelDirDlgForm*) { screen->PressKey(VK_ESCAPE); }});
    SetMessageBoxHandler(previous);
    EXPECT_EQ(messages, std::vector<std::string>{"Cannot read folder \"" + tree.Path("home/doomed") +
                                                 "\": No such file or directory"});
    EXPECT_EQ(dialog->ClientSize(), (TSize{420, 330}));
    Run({[&](TbsSelDirDlgForm* f) {
        EXPECT_EQ(f->ClientWidth(), 420);
        EXPECT_EQ(f->ClientHeight(), 330);
        screen->PressKey(VK_ESCAPE);
    }});
}

} // namespace
