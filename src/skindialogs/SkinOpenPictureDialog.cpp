#include "skindialogs/SkinOpenPictureDialog.h"

#include "core/FileName.h"
#include "shell/ShellError.h"
#include "skin/SkinData.h"
#include "skincontrols/SkinEdit.h"
#include "skindialogs/OpenPictureDlgForm.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinFilterComboBox.h"
#include "skinforms/RevideruDadoZiri.h"

#include <algorithm>
#include <filesystem>

namespace tavrik {

namespace {

constexpr TSize kFirstClientSize{550, 290};

// Where the dialog starts without a folder to go to.
std::string ProgramFolder()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("rfDesktop") : exe.parent_path().string();
}

} // namespace

TbsSkinOpenPictureDialog::TbsSkinOpenPictureDialog(TComponent* owner) : TbsSkinOpenPictureDialog(owner, false) {}

TbsSkinOpenPictureDialog::TbsSkinOpenPictureDialog(TComponent* owner, bool saveMode)
    : TComponent(owner), save_(saveMode), title_(saveMode ? "Save file" : "Open picture")
{
    defaultFont_.SetName("Arial");
    defaultFont_.SetHeight(14);
}

TbsSkinOpenPictureDialog::~TbsSkinOpenPictureDialog() = default;

TbsSkinSavePictureDialog::TbsSkinSavePictureDialog(TComponent* owner) : TbsSkinOpenPictureDialog(owner, true) {}

void TbsSkinOpenPictureDialog::SetReference(TbsSkinData*& field, TbsSkinData* data)
{
    if (field == data) return;
    field = data;
    if (data) data->FreeNotification(this);
}

void TbsSkinOpenPictureDialog::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == skinData_) skinData_ = nullptr;
    if (component == ctrlSkinData_) ctrlSkinData_ = nullptr;
}

bool TbsSkinOpenPictureDialog::Execute()
{
    if (!access_) access_ = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>());
    TOwnedPtr<TbsOpenPictureDlgForm> form(new TbsOpenPictureDlgForm(nullptr, save_, access_, skinData_, ctrlSkinData_));
    form->AfterConstruction();
    form->SetCaption(title_);
    form->SetViewStyle(viewStyle_);
    TbsSkinFileListView* list = form->FileList;
    list->SetMultiSelect(multiSelection_ && !save_);
    list->SetHeaderSkinDataName(lvHeaderSkinDataName_);
    form->SetPreviewWidth(previewWidth_);

    form->FilterBox->SetFilter(filter_);
    form->FilterBox->SetItemIndex(filterIndex_ - 1);
    list->SetMask(form->FilterBox->Mask());

    // The folder of the last file; one that went since is no reason to fail.
    const std::string folder = ExtractFileDir(fileName_);
    bool inFolder = false;
    if (!folder.empty()) {
        try {
            list->SetPath(folder);
            inFolder = true;
        } catch (const EShellError&) {
        }
    }
    if (inFolder) {
        const std::string name = ExtractFileName(fileName_);
        form->FileNameEdit->SetText(name);
        if (int row = list->IndexOfName(name); row >= 0) list->SetItemSelected(row, true);
    } else {
        try {
            list->SetPath(initialDir_.empty() ? ProgramFolder() : initialDir_);
        } catch (const EShellError&) {
            list->SetPath("rfDesktop"); // a start that does not resolve shows the desktop
        }
        form->FileNameEdit->SetText(fileName_);
    }

    // The client size counts the frame's borders, which the window knows once it exists.
    form->HandleNeeded();
    TSize size = clientSize_.value_or(kFirstClientSize);
    form->SetClientSize(size.cx, size.cy);
    if (skinData_ && !skinData_->NoSkinLoaded()) {
        form->SetWidth(std::max(form->Width(), form->Frame->GetMinWidth()));
        form->SetHeight(std::max(form->Height(), form->Frame->GetMinHeight()));
    }
    if (stretchPicture_ || stretchDown_) form->SetStretchDown(true);
    if (list->RowCount() > 0 && list->FocusedIndex() < 0) list->SetFocusedIndex(0);

    const bool confirmed = form->ShowModal() == mrOk;

    stretchDown_ = form->StretchDown();
    previewWidth_ = form->PreviewWidth();
    clientSize_ = TSize{form->ClientWidth(), form->ClientHeight()};
    viewStyle_ = form->ViewStyle();
    filterIndex_ = form->FilterBox->ItemIndex() + 1;
    if (!confirmed || form->ChosenFiles().empty()) return false;
    files_ = form->ChosenFiles();
    fileName_ = files_.front();
    return true;
}

} // namespace tavrik
