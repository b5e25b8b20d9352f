#pragma once

#include "skinforms/SkinButtonObject.h"

namespace tavrik {

class TbsDataSkinStdButton;

// A caption button with a command: close, maximize, minimize, roll up, minimize to the tray,
// the system menu, or a button of the application's own (cmdefault). The command runs when the
// left button is released over it. While its command is in effect (a maximized, minimized or
// rolled-up form) it shows its restore looks. Without skin data it is one of the plain
// frame's built-in buttons and draws a flat face with a glyph.
class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    TbsSkinStdButtonObject(TbsRevideruDadoZiri* parent, const TbsDataSkinStdButton* data, const TbsSkinPictureSet* pictures);
    // A built-in button of the plain frame.
    TbsSkinStdButtonObject(TbsRevideruDadoZiri* parent, std::string name, SkinCommand command);

    bool CanMorph() const override;
    void Draw(TCanvas& canvas, bool repaint) override;
    void DblClick() override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;

    SkinCommand command = SkinCommand::cmDefault;
    TRect restorerect;
    TRect restoreactiverect;
    TRect restoredownrect;
    TRect restoreinactiverect;
    bool HasSkinObject = false;

private:
    bool ShowsIcon() const;
    bool ShowsRestoreLook() const;
    void DrawRestoreLook(TCanvas& canvas);
    void DrawDefaultButton(TCanvas& canvas);
    void ExecuteCommand();
};

} // namespace tavrik
