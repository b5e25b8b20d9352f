#include "WorkbenchTest.h"

#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "wsys/ScreenDepth.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinPopupWindow.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinOpenPictureDialog.h"
#include "skindialogs/SkinSelectDirectoryDialog.h"
#include "skinforms/RevideruDadoZiri.h"

#include <filesystem>

namespace tavrik::testing {

// The colour dialog stands at 300, 194 and is 421 pixels high: the screen must hold it.
WorkbenchTest::WorkbenchTest(int bitsPerPixel) : UiTest(1024, 768)
{
    SetScreenBitsPerPixel(bitsPerPixel);
    // The workbench shows its messages in the skinned box; the tests record them instead.
    TMessageBoxHandler recorder = SetMessageBoxHandler({});
    SetMessageBoxHandler(recorder);
    forms = CreateWorkbenchForms(*app);
    skinnedMessages_ = SetMessageBoxHandler(recorder);
    c = forms.Calvane;
    // The file and folder dialogs browse a desktop whose home is the scratch folder and which
    // mounts no volumes, so that no test lists or touches the real home. A slow answer on a
    // loaded machine must not count as a folder that does not answer.
    TShellEnvironment desktop = TShellEnvironment::ForHome(folder);
    desktop.mountTable = "/dev/null";
    shellAccess = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>(desktop), std::chrono::seconds(60));
    c->bsSkinOpenPictureDialog1->SetShellAccess(shellAccess);
    c->bsSkinSavePictureDialog1->SetShellAccess(shellAccess);
    c->bsSkinSelectDirectoryDialog1->SetShellAccess(shellAccess);
    c->Show();
    ProcessMessages();
}

void WorkbenchTest::UseSkinnedMessageBoxes() { SetMessageBoxHandler(skinnedMessages_); }

std::string WorkbenchTest::CopyTestData(const std::string& source, const std::string& name)
{
    std::string target = Scratch(name);
    std::filesystem::copy_file(std::string(TAVRIK_TESTDATA_DIR) + "/" + source, target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
}

std::string WorkbenchTest::WriteBmp(const std::string& name, const TBitmap& picture)
{
    std::string target = Scratch(name);
    WriteBmpFile(picture, target);
    return target;
}

void WorkbenchTest::TypeInDialog(const std::string& text)
{
    screen->WhenIdle([this, text] {
        screen->TypeText(text);
        screen->PressKey(VK_RETURN);
    });
}

void WorkbenchTest::CancelDialog()
{
    screen->WhenIdle([this] { screen->PressKey(VK_ESCAPE); });
}

void WorkbenchTest::Open(const std::string& path)
{
    TypeInDialog(path);
    ClickOn(c->bsSkinButton1);
}

void WorkbenchTest::ChoosePopupItem(int index)
{
    TPoint p = c->Image1->ClientToScreen({c->Image1->Width() / 2, c->Image1->Height() / 2});
    screen->Click(p.x, p.y, TMouseButton::Right);
    ProcessMessages();
    TbsSkinMenu* menus = c->bsRevideruDadoZiri1->SkinMenu();
    ASSERT_EQ(menus->PopupWindowCount(), 1) << "the picture menu opened";
    TbsSkinPopupWindow* menu = menus->PopupWindows(0);
    TRect r = menu->Items(index)->ItemRect;
    TPoint item = menu->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    screen->Click(item.x, item.y);
    ProcessMessages();
}

void WorkbenchTest::ClickListItem(int index, std::vector<UINT> keysHeld)
{
    TRect r = c->bsSkinListView1->ItemRect(index, TDisplayCode::drLabel);
    TPoint p = c->bsSkinListView1->ClientToScreen({r.Left + 3, (r.Top + r.Bottom) / 2});
    for (UINT key : keysHeld) screen->KeyDown(key);
    screen->Click(p.x, p.y);
    for (UINT key : keysHeld) screen->KeyUp(key);
}

} // namespace tavrik::testing
