#include "skindialogs/SkinSelectDirectoryDialog.h"

#include "core/FileIO.h"
#include "shell/ShellError.h"
#include "skin/SkinData.h"
#include "skindialogs/SelDirDlgForm.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinDirTreeView.h"
#include "skinforms/RevideruDadoZiri.h"
#include "ui/Application.h"
#include "ui/MessageDlg.h"

#include <algorithm>

namespace tavrik {

TbsSkinSelectDirectoryDialog::TbsSkinSelectDirectoryDialog(TComponent* owner) : TComponent(owner)
{
    defaultFont_.SetName("Arial");
    defaultFont_.SetHeight(14);
}

TbsSkinSelectDirectoryDialog::~TbsSkinSelectDirectoryDialog()
{
    SetSkinData(nullptr);
    SetCtrlSkinData(nullptr);
}

void TbsSkinSelectDirectoryDialog::SetReference(TbsSkinData*& field, TbsSkinData* skinData)
{
    TbsSkinData* old = field;
    field = skinData;
    if (old && old != skinData_ && old != ctrlSkinData_) old->RemoveFreeNotification(this);
    if (field) field->FreeNotification(this);
}

void TbsSkinSelectDirectoryDialog::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == skinData_) skinData_ = nullptr;
    if (component == ctrlSkinData_) ctrlSkinData_ = nullptr;
}

bool TbsSkinSelectDirectoryDialog::Execute()
{
    if (!access_) access_ = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>());
    TOwnedPtr<TbsSelDirDlgForm> form(new TbsSelDirDlgForm(Application()));
    form->ApplySkins(skinData_, ctrlSkinData_, defaultFont_);
    form->SetCaption(title_);
    TbsSkinDirTreeView* tree = form->DirTree;
    tree->SetShellAccess(access_);
    bool started = false;
    if (!directory_.empty() && DirectoryExists(directory_)) {
        try {
            tree->SelectPath(directory_);
            started = true;
        } catch (const EShellError&) {
            // A folder the namespace cannot place (it went meanwhile): the computer instead.
        }
    }
    if (!started) tree->SelectPath("rfMyComputer");
    // From now on the user opens the folders, and hears why one shows empty.
    tree->OnReadError = [](TComponent*, const std::string& message) { ShowMessage(message); };

    // The client size counts the frame's borders, which the window knows once it exists.
    form->HandleNeeded();
    const TSize size = ClientSize();
    form->SetClientSize(size.cx, size.cy);
    if (skinData_ && !skinData_->NoSkinLoaded()) {
        form->SetWidth(std::max(form->Width(), form->Frame->GetMinWidth()));
        form->SetHeight(std::max(form->Height(), form->Frame->GetMinHeight()));
    }
    form->AfterConstruction();
    const TModalResult result = form->ShowModal();
    clientSize_ = TSize{form->ClientWidth(), form->ClientHeight()};
    if (result != mrOk || !tree->Folder()) return false;
    directory_ = tree->Path();
    return true;
}

} // namespace tavrik
