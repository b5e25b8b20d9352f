#include "app/FileDialogForm.h"

#include "core/FileIO.h"
#include "shell/ShellError.h"
#include "shell/ShellIcons.h"
#include "ui/ImageList.h"
#include "ui/MessageDlg.h"

namespace tavrik {

namespace {

template <class T>
T* Place(TWinControl* parent, int left, int top, int width, int height)
{
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TLabel* NewLabel(TWinControl* parent, int left, int top, const char* text)
{
    auto* label = Place<TLabel>(parent, left, top, 0, 0);
    label->SetCaption(text);
    return label;
}

} // namespace

TFileDialogForm::TFileDialogForm(TComponent* owner, TFileDialogKind kind) : TForm(owner), kind_(kind)
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(520, kind == TFileDialogKind::Folder ? 330 : 360);
    icons_ = new TImageList(this);
    for (int kindIndex = 0; kindIndex < kShellIconKindCount; ++kindIndex)
        icons_->AddMasked(DrawShellIcon(TShellIconKind(kindIndex), false, 16), kShellIconTransparentColor);
    BuildLayout();
}

void TFileDialogForm::BuildLayout()
{
    bool folderOnly = kind_ == TFileDialogKind::Folder;
    LookInLabel = NewLabel(this, 8, 12, "Look in:");
    FolderEdit = Place<TEdit>(this, 80, 8, 340, 21);
    FolderEdit->SetTabOrder(0);
    UpButton = Place<TButton>(this, 428, 6, 84, 25);
    UpButton->SetCaption("Up");
    UpButton->OnClick = [this](TComponent*) {
        if (!folder_.IsDesktop()) Navigate(folder_.Parent());
    };
    FileList = Place<TListView>(this, 8, 38, 504, folderOnly ? 240 : 238);
    FileList->SetViewStyle(TViewStyle::vsList);
    FileList->SetReadOnly(true);
    FileList->SetHideSelection(false);
    FileList->SetSmallImages(icons_);
    FileList->SetLargeImages(icons_);
    FileList->OnDblClick = [this](TComponent*) { ListDblClick(); };
    FileList->OnSelectItem = [this](TComponent*, TListItem*, bool) { SelectionChanged(); };

    int rowTop = folderOnly ? 290 : 286;
    NameLabel = NewLabel(this, 8, rowTop + 4, "File name:");
    NameEdit = Place<TEdit>(this, 100, rowTop, 300, 21);
    TypeLabel = NewLabel(this, 8, rowTop + 36, "Files of type:");
    TypeButton = Place<TButton>(this, 100, rowTop + 32, 300, 25);
    TypeMenu = new TPopupMenu(this);
    TypeButton->OnClick = [this](TComponent*) {
        TPoint p = TypeButton->ClientToScreen({0, TypeButton->Height()});
        TypeMenu->Popup(p.x, p.y);
    };
    // The folder dialog has no name and type rows: its two buttons share one row.
    OkButton = Place<TButton>(this, folderOnly ? 320 : 420, rowTop - 1, 92, 25);
    OkButton->SetCaption(kind_ == TFileDialogKind::Save ? "Save" : kind_ == TFileDialogKind::Open ? "Open" : "OK");
    OkButton->SetDefault(true);
    OkButton->OnClick = [this](TComponent*) { OkClick(); };
    CancelButton = Place<TButton>(this, 420, folderOnly ? rowTop - 1 : rowTop + 32, 92, 25);
    CancelButton->SetCaption("Cancel");
    CancelButton->SetCancel(true);
    CancelButton->SetModalResult(mrCancel);
    if (folderOnly) {
        for (TControl* c : std::initializer_list<TControl*>{NameLabel, NameEdit, TypeLabel, TypeButton}) c->Hide();
        FileList->SetMultiSelect(false);
        SetActiveControl(FolderEdit);
    } else {
        SetActiveControl(NameEdit);
    }
}

void TFileDialogForm::SetFilters(std::vector<TFileFilterEntry> filters, int filterIndex)
{
    filters_ = std::move(filters);
    TypeMenu->Items()->Clear();
    for (size_t i = 0; i < filters_.size(); ++i) {
        auto* item = new TMenuItem(this);
        item->SetCaption(filters_[i].description);
        item->OnClick = [this, i](TComponent*) { ChooseFilter(int(i) + 1); };
        TypeMenu->Items()->Add(item);
    }
    ChooseFilter(filterIndex);
}

void TFileDialogForm::ChooseFilter(int index)
{
    filterIndex_ = index;
    bool known = index >= 1 && index <= int(filters_.size());
    TypeButton->SetCaption(known ? filters_[size_t(index - 1)].description : "");
    for (int i = 0; i < TypeMenu->Items()->Count(); ++i) TypeMenu->Items()->Items(i)->SetChecked(i + 1 == index);
    if (navigated_) Navigate(folder_);
}

void TFileDialogForm::SetMultiSelection(bool on) { FileList->SetMultiSelect(on); }

void TFileDialogForm::SetFileName(const std::string& name)
{
    for (int i = 0; i < FileList->Items().Count(); ++i) {
        TListItem* item = FileList->Items()[i];
        if (item->Caption() != name) continue;
        FileList->SetSelected(item);
        FileList->SetItemFocused(item);
        item->MakeVisible();
        break;
    }
    NameEdit->SetText(name);
    NameEdit->SelectAll(); // what the user types replaces it
}

bool TFileDialogForm::Navigate(const std::string& folder)
{
    TItemIdList id;
    try {
        id = shell_.Resolve(folder);
    } catch (const EShellError& e) {
        if (navigated_) Complain(e.Message());
        return false;
    }
    return Navigate(id);
}

bool TFileDialogForm::Navigate(const TItemIdList& folder)
{
    std::vector<TShellItem> items;
    try {
        items = shell_.Enumerate(folder, kind_ == TFileDialogKind::Folder ? otFolders : otFolders | otNonFolders);
    } catch (const EShellError& e) {
        if (navigated_) Complain(e.Message());
        return false;
    }
    shell_.SortForDisplay(folder, items);
    folder_ = folder;
    navigated_ = true;
    items_.clear();
    const TFileFilterEntry* filter =
        filterIndex_ >= 1 && filterIndex_ <= int(filters_.size()) ? &filters_[size_t(filterIndex_ - 1)] : nullptr;
    for (TShellItem& item : items)
        if (item.IsFolder() || !filter || MatchesFilter(item.name, *filter)) items_.push_back(std::move(item));
    std::string shown = shell_.PathOf(folder_);
    FolderEdit->SetText(shown.empty() ? shell_.DisplayName(folder_, TShellNameKind::Normal) : shown);
    Fill();
    return true;
}

void TFileDialogForm::Fill()
{
    FileList->Items().BeginUpdate();
    FileList->Items().Clear();
    for (const TShellItem& item : items_) {
        TListItem* row = FileList->Items().Add();
        row->SetCaption(item.name);
        row->SetImageIndex(int(item.icon));
    }
    FileList->Items().EndUpdate();
}

void TFileDialogForm::SelectionChanged()
{
    if (kind_ == TFileDialogKind::Folder) return;
    std::vector<std::string> names;
    for (int i = 0; i < FileList->Items().Count(); ++i)
        if (FileList->Items()[i]->Selected() && !items_[size_t(i)].IsFolder()) names.push_back(items_[size_t(i)].name);
    if (!names.empty()) NameEdit->SetText(JoinFileNames(names));
}

void TFileDialogForm::ListDblClick()
{
    TListItem* item = FileList->Selected();
    if (!item) return;
    const TShellItem& shellItem = items_.at(size_t(item->Index()));
    if (shellItem.IsFolder()) {
        Navigate(folder_.Child(shellItem.id));
    } else if (kind_ != TFileDialogKind::Folder) {
        NameEdit->SetText(shellItem.name);
        OkClick();
    }
}

std::string TFileDialogForm::Resolve(const std::string& name) const
{
    if (!name.empty() && name.front() == '/') return name;
    std::string folder = shell_.PathOf(folder_);
    if (folder.empty()) return "";
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

void TFileDialogForm::Complain(const std::string& text)
{
    MessageDlg(text, TMsgDlgType::mtWarning, MsgDlgButtons({TMsgDlgBtn::mbOK}));
}

bool TFileDialogForm::ResolveNames(const std::vector<std::string>& names, std::vector<std::string>& paths)
{
    for (const std::string& name : names) {
        std::string path = Resolve(name);
        if (path.empty()) {
            Complain(name + "\nChoose a folder of the file system first.");
            return false;
        }
        if (kind_ == TFileDialogKind::Open && !FileExists(path)) {
            Complain(path + "\nFile not found.\nCheck the file name and try again.");
            return false;
        }
        paths.push_back(path);
    }
    return true;
}

void TFileDialogForm::OkClick()
{
    // Enter in the folder field goes to the folder typed there; in the folder dialog, Enter
    // on the folder already shown chooses it.
    bool inFolderField = ActiveControl() == FolderEdit;
    if (inFolderField && (kind_ != TFileDialogKind::Folder || FolderEdit->Text() != FolderPath())) {
        Navigate(FolderEdit->Text());
        return;
    }
    TListItem* focused = inFolderField ? nullptr : FileList->ItemFocused();
    bool folderInList = focused && focused->Selected() && items_.at(size_t(focused->Index())).IsFolder();
    if (kind_ == TFileDialogKind::Folder) {
        std::string path = folderInList ? shell_.PathOf(folder_.Child(items_[size_t(focused->Index())].id)) : FolderPath();
        if (path.empty()) {
            Complain("Choose a folder of the file system.");
            return;
        }
        chosen_ = {path};
        SetModalResult(mrOk);
        return;
    }
    if (ActiveControl() == FileList && folderInList) {
        Navigate(folder_.Child(items_[size_t(focused->Index())].id));
        return;
    }
    std::vector<std::string> names = SplitFileNames(NameEdit->Text());
    if (names.empty()) return;
    if (!FileList->MultiSelect() || kind_ == TFileDialogKind::Save) names.resize(1);
    // A typed folder is opened rather than chosen.
    if (names.size() == 1) {
        std::string path = Resolve(names.front());
        if (!path.empty() && DirectoryExists(path)) {
            if (Navigate(path)) NameEdit->SetText("");
            return;
        }
    }
    std::vector<std::string> paths;
    if (!ResolveNames(names, paths)) return;
    chosen_ = std::move(paths);
    SetModalResult(mrOk);
}

} // namespace tavrik
