#include "skindialogs/OpenPictureDlgForm.h"

#include "core/FileIO.h"
#include "core/FileName.h"
#include "core/Utf8.h"
#include "imaging/PicturePreview.h"
#include "shell/ShellError.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinEdit.h"
#include "skincontrols/SkinMenuSpeedButton.h"
#include "skincontrols/SkinPanel.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skincontrols/SkinScrollBar.h"
#include "skincontrols/SkinScrollBox.h"
#include "skincontrols/SkinSplitter.h"
#include "skincontrols/SkinStdLabel.h"
#include "skindialogs/DialogToolGlyphs.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinFilterComboBox.h"
#include "skindialogs/SkinShellComboBox.h"
#include "skindialogs/TypedFileNames.h"
#include "skinforms/RevideruDadoZiri.h"
#include "ui/Image.h"
#include "ui/MenuItem.h"
#include "ui/MessageDlg.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <utility>

namespace tavrik {

namespace {

constexpr int kToolBarHeight = 25;
constexpr int kBottomHeight = 80;
constexpr int kSpacer = 10;
constexpr int kToolButtonWidth = 27;
constexpr int kViewButtonWidth = 37;
constexpr int kBarSize = 19;
constexpr int kFieldLeft = 70;
constexpr int kPreviewWidthAtCreation = 200;
constexpr const char* kNewFolderName = "New Folder";

constexpr const char* kViewCaptions[] = {"Large icons", "Small icons", "List", "Details"};
constexpr TViewStyle kViewStyles[] = {TViewStyle::vsIcon, TViewStyle::vsSmallIcon, TViewStyle::vsList,
                                      TViewStyle::vsReport};

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

} // namespace

template <class T>
T* TbsOpenPictureDlgForm::Make(TWinControl* parent, const std::string& skinName)
{
    auto* control = new T(this);
    control->SetParent(parent);
    if (!skinName.empty()) control->SetSkinDataName(skinName);
    control->SetSkinData(ctrlSkinData_);
    return control;
}

TbsOpenPictureDlgForm::TbsOpenPictureDlgForm(TComponent* owner, bool saveMode, std::shared_ptr<const TShellAccess> access,
                                             TbsSkinData* skinData, TbsSkinData* ctrlSkinData)
    : TForm(owner), save_(saveMode), ctrlSkinData_(ctrlSkinData)
{
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetKeyPreview(true);
    Frame = new TbsRevideruDadoZiri(this);
    Frame->SetBorderIcons({});
    Frame->SetSkinData(skinData);
    Frame->SetMenusSkinData(ctrlSkinData);
    SetClientSize(550, 290);

    BuildToolBar();
    BuildBottomPane();
    BuildPanes();

    // Tab goes "Look in" box, file list, name field, filter box, OK, Cancel.
    ListPanel->SetTabOrder(1);
    LookInBox->SetShellAccess(access);
    FileList->SetShellAccess(std::move(access));
    FileList->SetShellComboBox(LookInBox);
    LookInBox->SetShellListView(FileList);

    OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState shift) { FormKeyDown(key, shift); };
    SetActiveControl(FileNameEdit);
}

TbsSkinSpeedButton* TbsOpenPictureDlgForm::ToolButton(const char* glyph, const char* hint, int width,
                                                      const std::string& skinName)
{
    auto* button = Make<TbsSkinSpeedButton>(ToolPanel, skinName);
    button->SetGlyph(DialogToolGlyph(glyph));
    button->SetNumGlyphs(1);
    button->SetHint(hint);
    button->SetShowHint(true);
    button->SetBounds(0, 0, width, kToolBarHeight);
    return button;
}

void TbsOpenPictureDlgForm::BuildToolBar()
{
    ToolPanel = Make<TbsSkinPanel>(this, "toolpanel");
    ToolPanel->SetAlign(TAlign::alTop);
    ToolPanel->SetHeight(kToolBarHeight);
    ToolPanel->SetBorderStyle(TbsBevelStyle::bvNone);
    LookInLabel = Make<TbsSkinStdLabel>(ToolPanel, "stdlabel");
    LookInLabel->SetCaption("Look in: ");
    LookInBox = Make<TbsSkinShellComboBox>(ToolPanel, "");
    LookInBox->SetSkinDataName(ctrlSkinData_ && ctrlSkinData_->IndexOfSkinControl("toolcombobox") >= 0 ? "toolcombobox"
                                                                                                      : "combobox");
    LookInBox->SetDropDownCount(10);

    BackButton = ToolButton("BS_BACK", "Go To Last Folder Visited", kToolButtonWidth, "toolbutton");
    BackButton->OnClick = [this](TComponent*) { Back(); };
    UpButton = ToolButton("BS_UP", "Up One Level", kToolButtonWidth, "toolbutton");
    UpButton->OnClick = [this](TComponent*) { FileList->GoUp(); };
    NewFolderButton = ToolButton("BS_NEWFOLDER", "Create New Folder", kToolButtonWidth, "toolbutton");
    NewFolderButton->OnClick = [this](TComponent*) { NewFolder(); };

    ViewMenu = new TbsSkinPopupMenu(this);
    ViewMenu->SetSkinData(ctrlSkinData_);
    for (int i = 0; i < 4; ++i) {
        auto* item = new TMenuItem(this);
        item->SetCaption(kViewCaptions[i]);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        item->OnClick = [this, i](TComponent*) { SetViewStyle(kViewStyles[i]); };
        ViewMenu->Items()->Add(item);
        viewItems_[i] = item;
    }
    auto* view = Make<TbsSkinMenuSpeedButton>(ToolPanel, "toolmenubutton");
    view->SetGlyph(DialogToolGlyph("BS_LVSTYLE"));
    view->SetNumGlyphs(1);
    view->SetHint("View Menu");
    view->SetShowHint(true);
    view->SetSkinPopupMenu(ViewMenu);
    view->SetBounds(0, 0, kViewButtonWidth, kToolBarHeight);
    ViewButton = view;

    StretchButton = ToolButton("BS_STRETCH", "Stretch Picture", kToolButtonWidth, "toolbutton");
    StretchButton->SetGroupIndex(1);
    StretchButton->SetAllowAllUp(true);
    StretchButton->OnClick = [this](TComponent*) { PlacePreview(); };
    ToolPanel->OnResize = [this](TComponent*) { PlaceToolButtons(); };
}

void TbsOpenPictureDlgForm::PlaceToolButtons()
{
    const int width = ToolPanel->ClientWidth();
    int x = width;
    for (TControl* c : {static_cast<TControl*>(StretchButton), static_cast<TControl*>(ViewButton)}) {
        x -= c->Width();
        c->SetLeft(x);
    }
    x -= kSpacer;
    for (TControl* c : {static_cast<TControl*>(NewFolderButton), static_cast<TControl*>(UpButton),
                        static_cast<TControl*>(BackButton)}) {
        x -= c->Width();
        c->SetLeft(x);
    }
    LookInLabel->SetBounds(kSpacer, (kToolBarHeight - LookInLabel->Height()) / 2, LookInLabel->Width(),
                           LookInLabel->Height());
    const int boxLeft = LookInLabel->Left() + LookInLabel->Width();
    LookInBox->SetBounds(boxLeft, (kToolBarHeight - 21) / 2, std::max(x - boxLeft - 2, 40), 21);
}

void TbsOpenPictureDlgForm::BuildBottomPane()
{
    BottomPanel = Make<TbsSkinPanel>(this, "panel");
    BottomPanel->SetAlign(TAlign::alBottom);
    BottomPanel->SetHeight(kBottomHeight);
    BottomPanel->SetBorderStyle(TbsBevelStyle::bvNone);
    FileNameLabel = Make<TbsSkinStdLabel>(BottomPanel, "stdlabel");
    FileNameLabel->SetCaption("File name:");
    FileNameLabel->SetLeft(10);
    FileNameLabel->SetTop(10);
    FileNameEdit = Make<TbsSkinEdit>(BottomPanel, "edit");
    FileNameEdit->SetBounds(kFieldLeft, 10, 280, 21);
    FileTypeLabel = Make<TbsSkinStdLabel>(BottomPanel, "stdlabel");
    FileTypeLabel->SetCaption("File type:");
    FileTypeLabel->SetLeft(10);
    FileTypeLabel->SetTop(45);
    FilterBox = Make<TbsSkinFilterComboBox>(BottomPanel, "combobox");
    FilterBox->SetBounds(kFieldLeft, 45, 280, 21);
    FilterBox->OnChange = [this](TComponent*) { FileList->SetMask(FilterBox->Mask()); };
    OkButton = Make<TbsSkinButton>(BottomPanel, "button");
    OkButton->SetCaption(save_ ? "&Save" : "&Open");
    OkButton->SetBounds(370, 10, 70, 25);
    OkButton->SetCanFocused(true);
    OkButton->SetDefault(true);
    OkButton->OnClick = [this](TComponent*) { OkAction(); };
    CancelButton = Make<TbsSkinButton>(BottomPanel, "button");
    CancelButton->SetCaption("Cancel");
    CancelButton->SetBounds(370, 45, 70, 25);
    CancelButton->SetCanFocused(true);
    CancelButton->SetCancel(true);
    CancelButton->SetModalResult(mrCancel);
    PlaceNameFields();
}

void TbsOpenPictureDlgForm::PlaceNameFields()
{
    // The labels stand centred beside their fields. The layout leaves a label 60 pixels;
    // where the skin's font makes one wider, both fields start a gap after the wider label, in
    // line, and keep their right edge.
    constexpr int kLabelGap = 6;
    const std::pair<TControl*, TControl*> rows[] = {{FileNameLabel, FileNameEdit}, {FileTypeLabel, FilterBox}};
    int left = kFieldLeft;
    for (auto [label, field] : rows) left = std::max(left, label->Left() + label->Width() + kLabelGap);
    for (auto [label, field] : rows) {
        field->SetBounds(left, field->Top(), field->Left() + field->Width() - left, field->Height());
        label->SetTop(field->Top() + (field->Height() - label->Height()) / 2);
    }
}

TbsSkinScrollBar* TbsOpenPictureDlgForm::DisabledBar(TWinControl* parent, bool vertical)
{
    auto* bar = Make<TbsSkinScrollBar>(parent, vertical ? "vscrollbar" : "hscrollbar");
    bar->SetKind(vertical ? TbsScrollBarKind::sbVertical : TbsScrollBarKind::sbHorizontal);
    bar->SetAlign(vertical ? TAlign::alRight : TAlign::alBottom);
    if (vertical) bar->SetWidth(kBarSize);
    else bar->SetHeight(kBarSize);
    bar->SetEnabled(false);
    return bar;
}

void TbsOpenPictureDlgForm::BuildPanes()
{
    PreviewPanel = Make<TbsSkinPanel>(this, "panel");
    PreviewPanel->SetAlign(TAlign::alRight);
    PreviewPanel->SetWidth(kPreviewWidthAtCreation);
    PreviewPanel->SetBorderStyle(TbsBevelStyle::bvNone);
    TbsSkinScrollBar* previewV = DisabledBar(PreviewPanel, true);
    TbsSkinScrollBar* previewH = DisabledBar(PreviewPanel, false);
    PreviewBox = Make<TbsSkinScrollBox>(PreviewPanel, "scrollbox");
    PreviewBox->SetAlign(TAlign::alClient);
    PreviewBox->SetVScrollBar(previewV);
    PreviewBox->SetHScrollBar(previewH);
    PreviewBox->OnResize = [this](TComponent*) { PlacePreview(); };
    PreviewImage = new TImage(this);
    PreviewImage->SetParent(PreviewBox);
    PreviewImage->SetBounds(0, 0, 0, 0);
    NoPreviewLabel = Make<TbsSkinStdLabel>(PreviewBox, "stdlabel");
    NoPreviewLabel->SetCaption("no preview");
    NoPreviewLabel->SetVisible(false);

    Splitter = Make<TbsSkinSplitter>(this, "");
    Splitter->SetAlign(TAlign::alRight);
    Splitter->SetWidth(kSpacer);

    ListPanel = Make<TbsSkinPanel>(this, "panel");
    ListPanel->SetAlign(TAlign::alClient);
    ListPanel->SetBorderStyle(TbsBevelStyle::bvNone);
    TbsSkinScrollBar* listV = DisabledBar(ListPanel, true);
    TbsSkinScrollBar* listH = DisabledBar(ListPanel, false);
    FileList = Make<TbsSkinFileListView>(ListPanel, "");
    FileList->SetAlign(TAlign::alClient);
    FileList->SetHideSelection(false);
    // A picture saved by another program while the dialog is open shows up in it.
    FileList->SetAutoRefresh(true);
    FileList->SetVScrollBar(listV);
    FileList->SetHScrollBar(listH);
    FileList->OnSelectItem = [this](TComponent*, TListItem*, bool) { SelectionChanged(); };
    FileList->OnFolderChange = [this](TComponent*) { FolderChanged(); };
    FileList->OnDblClick = [this](TComponent*) {
        if (!FileList->SelectedPath().empty()) OkAction();
    };
}

TViewStyle TbsOpenPictureDlgForm::ViewStyle() const { return FileList->ViewStyle(); }

void TbsOpenPictureDlgForm::SetViewStyle(TViewStyle style)
{
    FileList->SetViewStyle(style);
    FileList->Refresh(); // the report view's texts are read only in that view
    for (int i = 0; i < 4; ++i) viewItems_[i]->SetChecked(kViewStyles[i] == style);
}

bool TbsOpenPictureDlgForm::StretchDown() const { return StretchButton->Down(); }

void TbsOpenPictureDlgForm::SetStretchDown(bool down)
{
    StretchButton->SetDown(down);
    PlacePreview();
}

int TbsOpenPictureDlgForm::PreviewWidth() const { return PreviewPanel->Width(); }
void TbsOpenPictureDlgForm::SetPreviewWidth(int width) { PreviewPanel->SetWidth(width); }

void TbsOpenPictureDlgForm::FormKeyDown(uint16_t& key, TShiftState shift)
{
    // Enter and Esc belong to the name being edited; Alt+Enter to the list's properties box.
    if (FileList->IsEditing() || (shift & ssAlt)) return;
    TWinControl* active = ActiveControl();
    if (key == VK_ESCAPE) {
        if (FilterBox->DroppedDown() || LookInBox->DroppedDown()) return;
        key = 0;
        SetModalResult(mrCancel);
    } else if (key == VK_RETURN && active == FileNameEdit) {
        key = 0;
        NameEntered();
    } else if (key == VK_RETURN && active == FileList && !FileList->SelectedPath().empty()) {
        key = 0;
        OkAction();
    }
}

std::string TbsOpenPictureDlgForm::TypingFolder() const
{
    const TbsShellFolder::TPtr& folder = FileList->Folder();
    if (!folder) return {};
    if (folder->Item().IsFileSystem()) return folder->Path();
    if (folder->AbsoluteID().IsDesktop()) {
        const TShellNamespace& shell = FileList->ShellAccess()->Shell();
        std::string desktop = shell.DesktopDirectory();
        return desktop.empty() ? shell.Environment().homeDir : desktop;
    }
    return {};
}

std::string TbsOpenPictureDlgForm::Resolve(const std::string& name) const
{
    if (!name.empty() && name.front() == '/') return name;
    std::string folder = TypingFolder();
    return folder.empty() ? std::string() : IncludeTrailingPathDelimiter(folder) + name;
}

void TbsOpenPictureDlgForm::NameEntered()
{
    const std::string text(TrimAscii(FileNameEdit->Text()));
    if (text.find_first_of("*?") != std::string::npos) {
        FileList->SetMask(text);
        return;
    }
    if (!text.empty() && text.front() != '"') {
        const std::string path = Resolve(text);
        if (!path.empty() && DirectoryExists(path)) {
            try {
                FileList->SetPath(WithoutTrailingSlashes(path));
                FileNameEdit->SetText({});
            } catch (const EShellError& error) {
                Complain(error.what());
            }
            return;
        }
        if (text.back() == '/') {
            Complain("The folder \"" + WithoutTrailingSlashes(text) + "\" does not exist.");
            return;
        }
    }
    OkAction();
}

void TbsOpenPictureDlgForm::OkAction()
{
    const std::vector<std::string> names = SplitFileNames(FileNameEdit->Text());
    if (names.empty()) return;
    if (save_) {
        if (ChooseForSave(names.front())) SetModalResult(mrOk);
        return;
    }
    std::vector<std::string> files;
    for (const std::string& name : names) {
        std::string path = Resolve(name);
        if (path.empty() || !FileExists(path)) {
            Complain("\"" + (path.empty() ? name : path) + "\"\nFile not found.");
            FileList->Refresh();
            return;
        }
        files.push_back(std::move(path));
    }
    chosen_ = std::move(files);
    SetModalResult(mrOk);
}

bool TbsOpenPictureDlgForm::ChooseForSave(const std::string& name)
{
    if (name.find_first_of("*?") != std::string::npos) return false;
    const std::string path = Resolve(name);
    if (path.empty()) {
        Complain("Choose a folder to save \"" + name + "\" in.");
        return false;
    }
    const std::string folder = ExtractFileDir(path);
    if (!DirectoryExists(folder.empty() ? "/" : folder)) {
        Complain("The folder \"" + folder + "\" does not exist.");
        return false;
    }
    if (DirectoryExists(path) || path.back() == '/') {
        Complain("\"" + WithoutTrailingSlashes(path) + "\" is a folder.");
        return false;
    }
    chosen_ = {path};
    return true;
}

void TbsOpenPictureDlgForm::SelectionChanged()
{
    std::vector<std::string> names;
    for (const std::string& path : FileList->SelectedPaths()) names.push_back(ExtractFileName(path));
    // A name typed for saving stays while folders are browsed.
    if (!names.empty() || !save_) FileNameEdit->SetText(JoinFileNames(names));
    ShowPreview();
}

void TbsOpenPictureDlgForm::ShowPreview()
{
    const std::string path = FileList->SelectedPath();
    if (path == previewed_) return;
    previewed_ = path;
    TBitmap picture;
    if (!path.empty()) picture = LoadPicturePreview(path, PreviewBox->ClientWidth(), PreviewBox->ClientHeight());
    PreviewImage->Picture().Assign(picture);
    NoPreviewLabel->SetVisible(!path.empty() && picture.Empty());
    PlacePreview();
}

void TbsOpenPictureDlgForm::PlacePreview()
{
    // Also asked while the form is torn down, when the picture may already be gone.
    if (!PreviewImage || Destroying()) return;
    const TBitmap& picture = PreviewImage->Picture().Bitmap();
    PreviewImage->SetStretch(StretchDown());
    if (StretchDown()) PreviewImage->SetBounds(0, 0, PreviewBox->ClientWidth(), PreviewBox->ClientHeight());
    else PreviewImage->SetBounds(0, 0, picture.Width(), picture.Height());
    NoPreviewLabel->SetBounds((PreviewBox->ClientWidth() - NoPreviewLabel->Width()) / 2,
                              (PreviewBox->ClientHeight() - NoPreviewLabel->Height()) / 2, NoPreviewLabel->Width(),
                              NoPreviewLabel->Height());
}

void TbsOpenPictureDlgForm::FolderChanged()
{
    const TbsShellFolder::TPtr& folder = FileList->Folder();
    if (!goingBack_ && (history_.empty() || history_.back()->AbsoluteID() != folder->AbsoluteID()))
        history_.push_back(folder);
    if (FileList->RowCount() > 0) FileList->SetFocusedIndex(0);
    previewed_.clear();
    ShowPreview();
}

void TbsOpenPictureDlgForm::Back()
{
    if (history_.size() < 2) return;
    history_.pop_back();
    goingBack_ = true;
    FileList->GoTo(history_.back());
    goingBack_ = false;
}

void TbsOpenPictureDlgForm::NewFolder()
{
    const TbsShellFolder::TPtr& folder = FileList->Folder();
    if (!folder || !folder->Item().IsFileSystem()) {
        Complain("New folders can only be made in a folder of the file system.");
        return;
    }
    std::string name = kNewFolderName;
    for (int n = 2; FileList->IndexOfName(name) >= 0 || DirectoryExists(Resolve(name)) || FileExists(Resolve(name)); ++n)
        name = std::string(kNewFolderName) + " (" + std::to_string(n) + ")";
    try {
        const TItemIdList parent = folder->AbsoluteID();
        FileList->ShellAccess()->Ask<TItemIdList>(
            parent, [parent, name](const TShellNamespace& shell) { return shell.CreateFolder(parent, name); });
    } catch (const std::exception& error) {
        Complain(error.what());
        return;
    }
    FileList->Refresh();
    const int row = FileList->IndexOfName(name);
    if (row < 0) return;
    FileList->ClearSelection();
    FileList->SetItemSelected(row, true);
    FileList->SetFocusedIndex(row);
    FileList->SetFocus();
    FileList->EditCaption(row);
}

void TbsOpenPictureDlgForm::Complain(const std::string& text)
{
    MessageDlg(text, TMsgDlgType::mtWarning, MsgDlgButtons({TMsgDlgBtn::mbOK}));
}

} // namespace tavrik
