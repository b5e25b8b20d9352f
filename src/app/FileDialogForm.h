#pragma once

#include "app/FileFilter.h"
#include "shell/ShellNamespace.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PopupMenu.h"

#include <string>
#include <vector>

namespace tavrik {

class TImageList;

enum class TFileDialogKind : uint8_t { Open, Save, Folder };

// The window of the plain file and folder dialogs: the folder being looked at (its path can
// be typed), its folders and the files that match the chosen filter, a field for the file
// name (several names in double quotes when MultiSelection is on), the filter chooser, and
// OK and Cancel. Folders open by double-click or Enter; the folder dialog answers the
// selected folder, or the one being looked at when none is selected.
class TFileDialogForm : public TForm {
public:
    TFileDialogForm(TComponent* owner, TFileDialogKind kind);
    const char* ClassName() const override { return "TFileDialogForm"; }

    void SetFilters(std::vector<TFileFilterEntry> filters, int filterIndex);
    void SetMultiSelection(bool on);
    // Shows the name in the name field and selects the shown item of exactly that name.
    void SetFileName(const std::string& name);
    // Shows a folder (an absolute path, a "::{...}" name or a root such as "rfDesktop");
    // answers false, showing nothing new, when it cannot be read.
    bool Navigate(const std::string& folder);
    bool Navigate(const TItemIdList& folder);

    // After OK: the chosen files (Open, Save) or folder (Folder), as full paths.
    const std::vector<std::string>& Chosen() const { return chosen_; }
    int FilterIndex() const { return filterIndex_; }
    // The path of the folder being looked at ("" for the desktop and the computer).
    std::string FolderPath() const { return shell_.PathOf(folder_); }

    TLabel* LookInLabel;
    TEdit* FolderEdit;
    TButton* UpButton;
    TListView* FileList;
    TLabel* NameLabel;
    TEdit* NameEdit;
    TLabel* TypeLabel;
    TButton* TypeButton;
    TPopupMenu* TypeMenu;
    TButton* OkButton;
    TButton* CancelButton;

private:
    void BuildLayout();
    void Fill();
    void OkClick();
    void ListDblClick();
    void SelectionChanged();
    void ChooseFilter(int index);
    // Full paths for the typed names; false (with a message) when one cannot be used.
    bool ResolveNames(const std::vector<std::string>& names, std::vector<std::string>& paths);
    std::string Resolve(const std::string& name) const;
    void Complain(const std::string& text);

    TFileDialogKind kind_;
    TShellNamespace shell_;
    TItemIdList folder_;
    bool navigated_ = false; // a folder is shown
    std::vector<TShellItem> items_; // as the list shows them
    std::vector<TFileFilterEntry> filters_;
    int filterIndex_ = 1;
    std::vector<std::string> chosen_;
    TImageList* icons_ = nullptr;
};

} // namespace tavrik
