#include "skindialogs/SkinFileListView.h"

#include "core/TickClock.h"
#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/TextLayout.h"
#include "shell/ShellError.h"
#include "shell/ShellIcons.h"
#include "skincontrols/SkinEdit.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/ShellImageLists.h"
#include "ui/ImageList.h"
#include "ui/MessageDlg.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

namespace tavrik {

namespace {

// Letters typed within this many milliseconds of each other search as one word.
constexpr uint64_t kTypeAheadPause = 1000;
constexpr int kErrorMargin = 6;

TAlignment ColumnAlignment(TShellColumnAlignment alignment)
{
    switch (alignment) {
    case TShellColumnAlignment::Right: return TAlignment::taRightJustify;
    case TShellColumnAlignment::Center: return TAlignment::taCenter;
    case TShellColumnAlignment::Left: break;
    }
    return TAlignment::taLeftJustify;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && LowerCaseAscii(text.substr(0, prefix.size())) == LowerCaseAscii(prefix);
}

// The busy cursor while a folder is read.
class TBusyCursor {
public:
    TBusyCursor() : previous_(Screen()->Cursor()) { Screen()->SetCursor(crHourGlass); }
    ~TBusyCursor() { Screen()->SetCursor(previous_); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TCursor previous_;
};

} // namespace

TbsSkinFileListView::TbsSkinFileListView(TComponent* owner)
    : TbsSkinCustomListView(owner), smallIcons_(MakeShellImageList(false)), largeIcons_(MakeShellImageList(true)),
      watch_(*this, [this](const TFolderWatcher::TChanges& news) { HearNews(news); })
{
    SetOwnerData(true);
    SetSmallImages(smallIcons_.get());
    SetLargeImages(largeIcons_.get());
    SetViewStyle(TViewStyle::vsList);
    OnData = [this](TComponent*, TListItem* item) { FillRow(item); };
}

TbsSkinFileListView::~TbsSkinFileListView()
{
    SetShellComboBox(nullptr);
    SetShellTreeView(nullptr);
}

void TbsSkinFileListView::SetShellAccess(std::shared_ptr<const TShellAccess> access) { access_ = std::move(access); }

void TbsSkinFileListView::SetRoot(const std::string& root)
{
    if (!access_) access_ = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>());
    TbsShellFolder::TPtr folder = TbsShellFolder::FromRootOrPath(access_, root);
    root_ = root;
    ShowFolder(folder, true);
}

void TbsSkinFileListView::SetObjectTypes(TShellObjectTypes types)
{
    if (types == request_.types) return;
    request_.types = types;
    if (folder_) Fill();
}

void TbsSkinFileListView::SetMask(const std::string& mask)
{
    if (mask == request_.mask) return;
    request_.mask = mask;
    if (folder_) Fill();
}

void TbsSkinFileListView::SetSorted(bool on)
{
    if (on == request_.sorted) return;
    request_.sorted = on;
    if (folder_) Fill();
}

std::string TbsSkinFileListView::FolderPath() const { return folder_ ? folder_->Path() : std::string(); }

void TbsSkinFileListView::SetPath(const std::string& path)
{
    if (!access_) access_ = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>());
    GoTo(TbsShellFolder::FromRootOrPath(access_, path));
}

void TbsSkinFileListView::GoTo(const TbsShellFolder::TPtr& folder) { ShowFolder(folder, true); }

void TbsSkinFileListView::BrowseTo(const TbsShellFolder::TPtr& folder) { ShowFolder(folder, false); }

void TbsSkinFileListView::GoUp()
{
    if (folder_ && folder_->SharedParent()) GoTo(folder_->SharedParent());
}

void TbsSkinFileListView::ShowFolder(TbsShellFolder::TPtr folder, bool sendLinks)
{
    if (!folder || (folder_ && folder_->AbsoluteID() == folder->AbsoluteID())) return;
    // A list sent somewhere before it was given an access asks through the folder's own.
    if (!access_) access_ = std::shared_ptr<const TShellAccess>(folder, &folder->ShellFolder());
    FinishEditing(false);
    folder_ = folder;
    Fill();
    WatchFolder();
    auto alive = Guard();
    if (sendLinks && comboBox_) comboBox_->BrowseTo(folder);
    if (alive && sendLinks && treeView_) treeView_->BrowseTo(folder);
    if (alive && OnFolderChange) OnFolderChange(this);
}

void TbsSkinFileListView::Fill()
{
    TBusyCursor busy;
    Items().SetCount(0);
    TShellListing listing = ListShellFolder(folder_, request_);
    rows_ = std::move(listing.items);
    listingError_ = std::move(listing.error);
    RebuildColumns();
    Items().SetCount(RowCount());
    Invalidate();
}

void TbsSkinFileListView::Refresh()
{
    if (!folder_) return;
    std::string selected = Selected() ? Row(Selected()->Index())->RelativeID() : std::string();
    Fill();
    for (int i = 0; !selected.empty() && i < RowCount(); ++i) {
        if (rows_[size_t(i)]->RelativeID() != selected) continue;
        SetItemSelected(i, true);
        SetFocusedIndex(i);
        MakeItemVisible(i, false);
        break;
    }
}

void TbsSkinFileListView::RebuildColumns()
{
    Columns().Clear();
    const int charWidth = std::max(TFontInstance::Get(Font().Request())->TextWidth("X"), 1);
    std::vector<std::string> titles;
    for (const TShellColumn& column : access_->Shell().Columns(folder_->AbsoluteID())) {
        if (std::find(titles.begin(), titles.end(), column.title) != titles.end()) continue;
        titles.push_back(column.title);
        TListColumn* c = Columns().Add();
        c->SetCaption(column.title);
        c->SetAlignment(ColumnAlignment(column.alignment));
        c->SetWidth(column.widthInChars * charWidth);
    }
}

void TbsSkinFileListView::FillRow(TListItem* item)
{
    const int index = item->Index();
    if (index < 0 || index >= RowCount()) return;
    const TbsShellFolder& row = *rows_[size_t(index)];
    item->SetCaption(row.DisplayName());
    item->SetImageIndex(row.ImageIndex(false));
    if (ViewStyle() != TViewStyle::vsReport) return;
    const std::vector<std::string>& details = row.Details();
    if (details.size() > 1) item->SetSubItems({details.begin() + 1, details.end()});
}

int TbsSkinFileListView::IndexOfName(const std::string& name) const
{
    for (int i = 0; i < RowCount(); ++i)
        if (rows_[size_t(i)]->DisplayName() == name) return i;
    return -1;
}

std::string TbsSkinFileListView::SelectedPath()
{
    std::vector<int> selected = Items().SelectedIndices();
    if (selected.empty() || selected.front() >= RowCount()) return {};
    const TbsShellFolder& row = *rows_[size_t(selected.front())];
    return row.IsFolder() ? std::string() : row.Path();
}

std::vector<std::string> TbsSkinFileListView::SelectedPaths()
{
    std::vector<std::string> paths;
    for (int index : Items().SelectedIndices())
        if (index < RowCount() && !rows_[size_t(index)]->IsFolder()) paths.push_back(rows_[size_t(index)]->Path());
    return paths;
}

void TbsSkinFileListView::RenameRow(int index, const std::string& newName)
{
    const TbsShellFolder::TPtr& row = Row(index);
    const TItemIdList id = row->AbsoluteID();
    TItemIdList renamed = access_->Ask<TItemIdList>(
        id, [id, newName](const TShellNamespace& shell) { return shell.Rename(id, newName); });
    rows_[size_t(index)] = std::make_shared<const TbsShellFolder>(
        row->SharedParent(), access_->Describe(renamed));
    Items().TrimVirtualCache(0); // the row made before shows the old name
    Invalidate();
}

bool TbsSkinFileListView::EditCaption(int index)
{
    if (ReadOnly() || index < 0 || index >= RowCount() || !rows_[size_t(index)]->Item().IsFileSystem()) return false;
    if (!editor_) {
        editor_ = new TbsSkinEdit(this);
        editor_->SetParent(this);
        editor_->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState) {
            if (key != VK_RETURN && key != VK_ESCAPE) return;
            bool rename = key == VK_RETURN;
            key = 0;
            FinishEditing(rename);
        };
        editor_->OnExit = [this](TComponent*) { FinishEditing(false); };
    }
    MakeItemVisible(index, false);
    TRect r = ItemRect(index, TDisplayCode::drLabel);
    r.Right = std::max(r.Right, r.Left + 120);
    editor_->SetBounds(r.Left, r.Top - 2, r.Width(), r.Height() + 4);
    editor_->SetText(rows_[size_t(index)]->DisplayName());
    editedRow_ = index;
    editor_->Show();
    editor_->SetFocus();
    editor_->SelectAll();
    return true;
}

bool TbsSkinFileListView::IsEditing() const { return editedRow_ >= 0; }

void TbsSkinFileListView::FinishEditing(bool rename)
{
    if (editedRow_ < 0) return;
    const int row = editedRow_;
    editedRow_ = -1;
    const std::string name = editor_->Text();
    editor_->Hide();
    if (Visible() && Enabled()) SetFocus();
    if (!rename || name.empty() || name == rows_[size_t(row)]->DisplayName()) return;
    try {
        RenameRow(row, name);
    } catch (const EShellError& error) {
        MessageDlg(error.what(), TMsgDlgType::mtError, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    }
}

void TbsSkinFileListView::OpenRow(int index)
{
    if (index < 0 || index >= RowCount() || !rows_[size_t(index)]->IsFolder()) return;
    const TbsShellFolder::TPtr row = rows_[size_t(index)];
    TItemIdList target;
    try {
        target = access_->BrowseTarget(folder_->AbsoluteID(), row->Item());
    } catch (const EShellError& error) {
        listingError_ = error.what();
        Invalidate();
        return;
    }
    if (target == row->AbsoluteID()) {
        GoTo(row);
        return;
    }
    try {
        GoTo(TbsShellFolder::FromIdentity(access_, target));
    } catch (const EShellError& error) {
        MessageDlg(error.what(), TMsgDlgType::mtError, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    }
}

void TbsSkinFileListView::ShowProperties(int index)
{
    if (index < 0 || index >= RowCount()) return;
    const TbsShellFolder::TPtr row = rows_[size_t(index)];
    try {
        const std::string text = FormatItemProperties(access_->Properties(row->AbsoluteID(), row->DisplayName()));
        MessageDlg(text, TMsgDlgType::mtInformation, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    } catch (const EShellError& error) {
        MessageDlg(error.what(), TMsgDlgType::mtError, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    }
}

void TbsSkinFileListView::WndProc(TMessage& message)
{
    TbsSkinCustomListView::WndProc(message);
    // Alt+Enter is the list's own key (properties), not the form's default button's.
    if (message.Msg == WM_GETDLGCODE && GetKeyState(VK_MENU) < 0) message.Result |= DLGC_WANTALLKEYS;
}

void TbsSkinFileListView::DblClick()
{
    const int index = FocusedIndex();
    const bool folder = index >= 0 && index < RowCount() && Items().IsSelected(index) && rows_[size_t(index)]->IsFolder();
    if (folder && autoNavigate_) {
        OpenRow(index);
        return;
    }
    TbsSkinCustomListView::DblClick();
}

void TbsSkinFileListView::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TbsSkinCustomListView::KeyDown(key, shift);
    if (!alive || IsEditing()) return;
    const int focused = FocusedIndex();
    switch (key) {
    case VK_RETURN:
        if (shift & ssAlt) {
            key = 0;
            ShowProperties(focused);
        } else if (focused >= 0 && focused < RowCount() && rows_[size_t(focused)]->IsFolder()) {
            key = 0;
            OpenRow(focused);
        }
        break;
    case VK_BACK:
        key = 0;
        GoUp();
        break;
    case VK_F5:
        key = 0;
        Refresh();
        break;
    case VK_F2:
        if (EditCaption(focused)) key = 0;
        break;
    default: break;
    }
}

void TbsSkinFileListView::KeyPress(char32_t& key)
{
    if (key < 0x20 || key == 0x7F) {
        TbsSkinCustomListView::KeyPress(key);
        return;
    }
    // Searched over the rows' names, so that no row is made (or its details read) to compare.
    const std::string letter = Utf8Encode(key);
    key = 0;
    const uint64_t now = GetTickCount();
    if (now - lastTyped_ > kTypeAheadPause) typed_.clear();
    lastTyped_ = now;
    const bool first = typed_.empty();
    if (typed_ != letter) typed_ += letter;
    const int n = RowCount();
    if (n == 0) return;
    const int focused = FocusedIndex();
    // A new word, or the same letter again, starts after the focused row.
    const int start = focused < 0 ? 0 : (first || typed_ == letter ? focused + 1 : focused);
    for (int step = 0; step < n; ++step) {
        const int i = (start + step) % n;
        if (!StartsWithIgnoringCase(rows_[size_t(i)]->DisplayName(), typed_)) continue;
        ClearSelection();
        SetItemSelected(i, true);
        SetFocusedIndex(i);
        MakeItemVisible(i, false);
        return;
    }
}

void TbsSkinFileListView::Paint()
{
    TbsSkinCustomListView::Paint();
    if (listingError_.empty() || RowCount() > 0) return;
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    r = {r.Left + kErrorMargin, r.Top + HeaderHeight() + kErrorMargin, r.Right - kErrorMargin, r.Bottom - kErrorMargin};
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.DrawText(listingError_, r, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

void TbsSkinFileListView::SetShellComboBox(TbsShellBrowser* combo) { comboBox_.Set(*this, combo); }
void TbsSkinFileListView::SetShellTreeView(TbsShellBrowser* tree) { treeView_.Set(*this, tree); }

void TbsSkinFileListView::Notification(TComponent* component, TOperation operation)
{
    TbsSkinCustomListView::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    comboBox_.Forget(component);
    treeView_.Forget(component);
    if (component == editor_) {
        editor_ = nullptr;
        editedRow_ = -1;
    }
}

} // namespace tavrik
