#pragma once

#include "skindialogs/SkinFileListView.h"
#include "ui/Form.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class TImage;
class TMenuItem;
class TShellAccess;
class TbsRevideruDadoZiri;
class TbsSkinButton;
class TbsSkinData;
class TbsSkinEdit;
class TbsSkinFilterComboBox;
class TbsSkinMenuSpeedButton;
class TbsSkinPanel;
class TbsSkinPopupMenu;
class TbsSkinScrollBar;
class TbsSkinScrollBox;
class TbsSkinShellComboBox;
class TbsSkinSpeedButton;
class TbsSkinSplitter;
class TbsSkinStdLabel;

// The window of the open and save picture dialogs, built anew for every use:
//
//   +-------------------------------------------------------------------------+
//   | Look in: [ "Look in" box                    ] Back Up New | View Stretch |  tool bar
//   +-----------------------------------------------+--+----------------------+
//   | file list                                     |  | preview              |
//   |                                               |<>|                      |
//   +-----------------------------------------------+--+----------------------+
//   | File name: [                    ]  [Open  ]                             |  bottom pane
//   | File type: [                    ]  [Cancel]                             |
//   +-------------------------------------------------------------------------+
//
// The name field takes the keyboard first. Enter there: a text with "*" or "?" becomes the
// list's mask; a text that names a folder (relative to the folder shown, or absolute, with or
// without a trailing "/") opens it; anything else is the OK action. Names are typed as they
// are or, several at once, each in double quotes.
//
// The OK action, open mode: every typed name must be an existing file, else a message names
// the first missing one and the dialog stays (the list is read again, since a file that went
// since it was listed is the usual cause). Save mode: one name, in a folder that exists; no
// extension is added. A relative name typed while the desktop is shown goes to the desktop
// folder (home when there is none).
class TbsOpenPictureDlgForm : public TForm {
public:
    TbsOpenPictureDlgForm(TComponent* owner, bool saveMode, std::shared_ptr<const TShellAccess> access,
                          TbsSkinData* skinData, TbsSkinData* ctrlSkinData);
    const char* ClassName() const override { return "TbsOpenPictureDlgForm"; }

    bool SaveMode() const { return save_; }
    TViewStyle ViewStyle() const;
    // Sets the list's style and checks only the matching item of the view menu.
    void SetViewStyle(TViewStyle style);
    bool StretchDown() const;
    void SetStretchDown(bool down);
    int PreviewWidth() const;
    void SetPreviewWidth(int width);

    // What OK chose: the files in order (one in save mode).
    const std::vector<std::string>& ChosenFiles() const { return chosen_; }
    // Visited folders, the one shown last.
    const std::vector<TbsShellFolder::TPtr>& History() const { return history_; }

    void Back();
    void NewFolder();
    void OkAction();

    TbsRevideruDadoZiri* Frame = nullptr;
    TbsSkinPanel* ToolPanel = nullptr;
    TbsSkinStdLabel* LookInLabel = nullptr;
    TbsSkinShellComboBox* LookInBox = nullptr;
    TbsSkinSpeedButton* BackButton = nullptr;
    TbsSkinSpeedButton* UpButton = nullptr;
    TbsSkinSpeedButton* NewFolderButton = nullptr;
    TbsSkinMenuSpeedButton* ViewButton = nullptr;
    TbsSkinSpeedButton* StretchButton = nullptr;
    TbsSkinPopupMenu* ViewMenu = nullptr;
    TbsSkinPanel* BottomPanel = nullptr;
    TbsSkinStdLabel* FileNameLabel = nullptr;
    TbsSkinEdit* FileNameEdit = nullptr;
    TbsSkinStdLabel* FileTypeLabel = nullptr;
    TbsSkinFilterComboBox* FilterBox = nullptr;
    TbsSkinButton* OkButton = nullptr;
    TbsSkinButton* CancelButton = nullptr;
    TbsSkinPanel* PreviewPanel = nullptr;
    TbsSkinScrollBox* PreviewBox = nullptr;
    TImage* PreviewImage = nullptr;
    TbsSkinStdLabel* NoPreviewLabel = nullptr;
    TbsSkinSplitter* Splitter = nullptr;
    TbsSkinPanel* ListPanel = nullptr;
    TbsSkinFileListView* FileList = nullptr;

private:
    template <class T>
    T* Make(TWinControl* parent, const std::string& skinName);
    void BuildToolBar();
    void BuildBottomPane();
    void PlaceNameFields();
    void BuildPanes();
    void PlaceToolButtons();
    TbsSkinSpeedButton* ToolButton(const char* glyph, const char* hint, int width, const std::string& skinName);
    TbsSkinScrollBar* DisabledBar(TWinControl* parent, bool vertical);

    void FormKeyDown(uint16_t& key, TShiftState shift);
    void NameEntered();
    void SelectionChanged();
    void FolderChanged();
    void ShowPreview();
    void PlacePreview();
    void Complain(const std::string& text);
    // The folder typed names are relative to, or "" when the folder shown has none.
    std::string TypingFolder() const;
    std::string Resolve(const std::string& name) const;
    bool ChooseForSave(const std::string& text);

    bool save_;
    TbsSkinData* ctrlSkinData_;
    TMenuItem* viewItems_[4] = {};
    std::vector<TbsShellFolder::TPtr> history_;
    bool goingBack_ = false;
    std::vector<std::string> chosen_;
    std::string previewed_;
};

} // namespace tavrik
