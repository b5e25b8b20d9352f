#pragma once

#include "app/Calvane.h"
#include "app/Startup.h"
#include "app/frmScreen.h"
#include "app/frmsetC.h"
#include "gfx/Bitmap.h"
#include "support/Pictures.h"
#include "support/TempFolder.h"
#include "support/UiTest.h"
#include "ui/MessageDlg.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrik::testing {

// The workbench as the program starts it, on the headless screen, with a scratch folder for
// the pictures a test opens and writes.
class WorkbenchTest : public UiTest {
protected:
    // On a screen of the given bits per pixel.
    explicit WorkbenchTest(int bitsPerPixel = 24);

    // Lets the workbench's skinned message box show instead of recording the messages.
    void UseSkinnedMessageBoxes();
    // A path in the scratch folder.
    std::string Scratch(const std::string& name) const { return folder + "/" + name; }
    // Copies a file of the shared test data (path below testdata/) into the scratch folder.
    std::string CopyTestData(const std::string& source, const std::string& name);
    // Writes a 24-bit BMP into the scratch folder.
    std::string WriteBmp(const std::string& name, const TBitmap& picture);

    // What the user does in the next file dialog: types into its focused field and presses
    // Enter, or presses Esc.
    void TypeInDialog(const std::string& text);
    void CancelDialog();
    // Opens a picture with "打开图片".
    void Open(const std::string& path);
    // Right-clicks the picture view and picks the popup menu's item by its position.
    void ChoosePopupItem(int index);
    // The list's item at index, clicked as a user would (with modifier keys held).
    void ClickListItem(int index, std::vector<UINT> keysHeld = {});

    test::TTempFolder scratch{"tavrik-app"};
    std::string folder = scratch.Path();
    TWorkbenchForms forms;
    TCalvane* c = nullptr;
    // What the workbench's file and folder dialogs browse: a desktop with the scratch folder
    // as its home.
    std::shared_ptr<const TShellAccess> shellAccess;

private:
    TMessageBoxHandler skinnedMessages_;
};

using test::PatternPicture;

} // namespace tavrik::testing
