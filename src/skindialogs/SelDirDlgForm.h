#pragma once

#include "ui/Form.h"

namespace tavrik {

class TFont;
class TbsRevideruDadoZiri;
class TbsSkinButton;
class TbsSkinData;
class TbsSkinDirTreeView;
class TbsSkinPanel;
class TbsSkinScrollBar;

// The window of the select-directory dialog, built anew at every use:
//
//   +- skinned frame, no caption buttons ----+
//   | +- main pane (framed) ---------------+ |
//   | | folder tree                      |^| |
//   | |                                  | | |
//   | |__________________________________|v| |
//   | |<________________________________>|  | |
//   | +------------------------------------+ |
//   |   [  OK  ]   [Cancel]                  |  <- bottom pane, 50 high
//   +----------------------------------------+
//
// The scroll bars show only while the tree needs them. OK is the default button, Cancel
// answers Esc; the form sees the keys before its controls.
class TbsSelDirDlgForm : public TForm {
public:
    explicit TbsSelDirDlgForm(TComponent* owner);
    const char* ClassName() const override { return "TbsSelDirDlgForm"; }

    // The frame takes frameSkin, its menus and every control controlSkin; the tree and the
    // buttons take font while they do not use the skin's.
    void ApplySkins(TbsSkinData* frameSkin, TbsSkinData* controlSkin, const TFont& font);

    TbsRevideruDadoZiri* Frame = nullptr;
    TbsSkinPanel* MainPanel = nullptr;
    TbsSkinPanel* BottomPanel = nullptr;
    TbsSkinDirTreeView* DirTree = nullptr;
    TbsSkinScrollBar* VScrollBar = nullptr;
    TbsSkinScrollBar* HScrollBar = nullptr;
    TbsSkinButton* OkButton = nullptr;
    TbsSkinButton* CancelButton = nullptr;
};

} // namespace tavrik
