#include "app/PlainFileDialogs.h"

#include "app/FileDialogForm.h"
#include "core/FileName.h"

namespace tavrik {

bool TPlainPictureDialog::Execute()
{
    TOwnedPtr<TFileDialogForm> form(new TFileDialogForm(nullptr, save_ ? TFileDialogKind::Save : TFileDialogKind::Open));
    form->AfterConstruction();
    form->SetCaption(title_);
    form->SetFilters(ParseFileFilter(filter_), filterIndex_);
    form->SetMultiSelection(multiSelection_ && !save_);
    // The last chosen file's folder, with that file selected; else the initial folder.
    std::string lastFolder = fileName_.empty() ? "" : ExtractFileDir(fileName_);
    bool inLastFolder = !lastFolder.empty() && form->Navigate(lastFolder);
    if (!inLastFolder) form->Navigate(initialDir_.empty() ? "rfDesktop" : initialDir_);
    form->SetFileName(inLastFolder ? ExtractFileName(fileName_) : fileName_);
    if (form->ShowModal() != mrOk) return false;
    files_ = form->Chosen();
    fileName_ = files_.empty() ? "" : files_.front();
    filterIndex_ = form->FilterIndex();
    return true;
}

bool TPlainSelectDirectoryDialog::Execute()
{
    TOwnedPtr<TFileDialogForm> form(new TFileDialogForm(nullptr, TFileDialogKind::Folder));
    form->AfterConstruction();
    form->SetCaption(title_);
    if (directory_.empty() || !form->Navigate(directory_)) form->Navigate("rfDesktop");
    if (form->ShowModal() != mrOk || form->Chosen().empty()) return false;
    directory_ = form->Chosen().front();
    return true;
}

} // namespace tavrik
