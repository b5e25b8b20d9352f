#include "skindialogs/SkinFileListView.h"

#include "shell/ShellError.h"
#include "skincontrols/SkinEdit.h"
#include "skindialogs/ShellAccess.h"

#include <algorithm>
#include <set>

namespace tavrik {

namespace {

bool Holds(const std::vector<int>& watches, int watch)
{
    return watch >= 0 && std::find(watches.begin(), watches.end(), watch) != watches.end();
}

} // namespace

void TbsSkinFileListView::SetAutoRefresh(bool on)
{
    if (on == autoRefresh_) return;
    autoRefresh_ = on;
    WatchFolder();
}

void TbsSkinFileListView::WatchFolder()
{
    watch_.Stop();
    folderWatch_ = -1;
    // A folder that could not be read now is not watched: it may be the one that does not answer.
    if (!autoRefresh_ || !folder_ || !listingError_.empty()) return;
    folderWatch_ = watch_.Watch(*access_, *folder_);
}

void TbsSkinFileListView::HearNews(const TFolderWatcher::TChanges& news)
{
    if (Holds(news.gone, folderWatch_)) GoToNearestFolderLeft();
    else if (news.overflowed || Holds(news.changed, folderWatch_)) ListAgain();
}

void TbsSkinFileListView::GoToNearestFolderLeft()
{
    TbsShellFolder::TPtr place = folder_->SharedParent();
    while (place && place->SharedParent()) {
        try {
            access_->Describe(place->AbsoluteID());
            break;
        } catch (const EShellError&) {
            place = place->SharedParent();
        }
    }
    if (place) GoTo(place);
}

// Lists the same folder again without a visible jump: no busy cursor, no empty list in
// between, no selection events for rows that stay selected, and the scroll position as it was.
void TbsSkinFileListView::ListAgain()
{
    auto idOf = [this](int index) { return rows_[size_t(index)]->RelativeID(); };
    std::set<std::string> selected;
    for (int index : Items().SelectedIndices())
        if (index < RowCount()) selected.insert(idOf(index));
    const int focused = FocusedIndex();
    const std::string focusedId = focused >= 0 && focused < RowCount() ? idOf(focused) : std::string();
    const std::string editedId = IsEditing() ? idOf(editedRow_) : std::string();

    TShellListing listing = ListShellFolder(folder_, request_);
    rows_ = std::move(listing.items);
    listingError_ = std::move(listing.error);

    int newFocus = -1;
    int newEdited = -1;
    Items().BeginUpdate();
    ClearSelection();
    Items().SetCount(RowCount());
    Items().TrimVirtualCache(0); // the rows made so far may show other items now
    for (int i = 0; i < RowCount(); ++i) {
        const std::string& id = idOf(i);
        if (selected.count(id)) SetItemSelected(i, true);
        if (id == focusedId) newFocus = i;
        if (id == editedId) newEdited = i;
    }
    SetFocusedIndex(newFocus);
    Items().EndUpdate();

    if (editedId.empty()) return;
    if (newEdited < 0) {
        FinishEditing(false); // its item went
        return;
    }
    editedRow_ = newEdited;
    TRect r = ItemRect(newEdited, TDisplayCode::drLabel);
    editor_->SetBounds(r.Left, r.Top - 2, editor_->Width(), editor_->Height());
}

} // namespace tavrik
