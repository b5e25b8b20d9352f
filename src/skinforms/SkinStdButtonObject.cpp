#include "skinforms/SkinStdButtonObject.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinObject.h"
#include "skin/Glyphs.h"
#include "skinforms/RevideruDadoZiri.h"

namespace tavrik {

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsRevideruDadoZiri* parent, const TbsDataSkinStdButton* data,
                                               const TbsSkinPictureSet* pictures)
    : TbsSkinButtonObject(parent, data, pictures), HasSkinObject(data != nullptr)
{
    if (!data) return;
    command = data->command;
    restorerect = data->restorerect;
    restoreactiverect = data->restoreactiverect;
    restoredownrect = data->restoredownrect;
    restoreinactiverect = data->restoreinactiverect;
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsRevideruDadoZiri* parent, std::string name, SkinCommand cmd)
    : TbsSkinButtonObject(parent, nullptr, nullptr), command(cmd)
{
    IDName = std::move(name);
    skinrectinapicture = true;
    skinrect = activeskinrect = {0, 0, 1, 1};
    ObjectRect = skinrect;
}

bool TbsSkinStdButtonObject::ShowsIcon() const { return command == SkinCommand::cmSysMenu && Parent->ShowIcon(); }

bool TbsSkinStdButtonObject::CanMorph() const
{
    if (ShowsIcon() && skinrectinapicture) return false;
    return TbsSkinButtonObject::CanMorph();
}

bool TbsSkinStdButtonObject::ShowsRestoreLook() const
{
    if (restorerect.IsEmpty()) return false;
    switch (command) {
    case SkinCommand::cmMaximize: return Parent->FormWindowState() == TWindowState::wsMaximized;
    case SkinCommand::cmMinimize: return Parent->FormWindowState() == TWindowState::wsMinimized;
    case SkinCommand::cmRollUp: return Parent->RolledUp();
    default: return false;
    }
}

void TbsSkinStdButtonObject::DrawRestoreLook(TCanvas& canvas)
{
    if (!Parent->IsFormActive() && !restoreinactiverect.IsEmpty())
        CopyLook(canvas, ActivePicture, restoreinactiverect);
    else if (Down && !restoredownrect.IsEmpty() && MouseIn)
        CopyLook(canvas, ActivePicture, restoredownrect);
    else if (morphing && MorphInProgress())
        DrawMorph(canvas, ActivePicture, restorerect, ActivePicture, restoreactiverect);
    else
        CopyLook(canvas, ActivePicture, Active && !restoreactiverect.IsEmpty() ? restoreactiverect : restorerect);
}

void TbsSkinStdButtonObject::Draw(TCanvas& canvas, bool repaint)
{
    if (!HasSkinObject) {
        DrawDefaultButton(canvas);
        return;
    }
    if (Enabled) {
        if (ShowsIcon() && skinrectinapicture) {
            Parent->DrawSmallIcon(canvas, ObjectRect.TopLeft());
            MorphFactor = 0;
            return;
        }
        if (ShowsRestoreLook()) {
            DrawRestoreLook(canvas);
            return;
        }
    }
    DrawButton(canvas, repaint);
}

void TbsSkinStdButtonObject::DrawDefaultButton(TCanvas& canvas)
{
    if (ShowsIcon()) {
        Parent->DrawSmallIcon(canvas, ObjectRect.TopLeft());
        return;
    }
    const int w = ObjectRect.Width();
    const int h = ObjectRect.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap face(w, h);
    TCanvas c(face);
    const bool pressed = Down && MouseIn;
    c.Brush().Color = pressed ? RGB(133, 147, 181) : MouseIn ? RGB(182, 189, 210) : clBtnFace;
    c.FillRect({0, 0, w, h});
    if (MouseIn) {
        c.Brush().Color = clNavy;
        c.FrameRect({0, 0, w, h});
    }
    const int x = pressed ? w / 2 - 4 : w / 2 - 5;
    const int y = pressed ? h / 2 - 3 : h / 2 - 4;
    const TColor color = Enabled ? clBtnText : clBtnShadow;
    const TWindowState state = Parent->FormWindowState();
    switch (command) {
    case SkinCommand::cmClose: DrawCloseGlyph(c, x, y, color); break;
    case SkinCommand::cmMaximize:
        if (state == TWindowState::wsMaximized) DrawRestoreGlyph(c, x, y, color);
        else DrawMaximizeGlyph(c, x, y, color);
        break;
    case SkinCommand::cmMinimize:
        if (state == TWindowState::wsMinimized) DrawRestoreGlyph(c, x, y, color);
        else DrawMinimizeGlyph(c, x, y, color);
        break;
    case SkinCommand::cmSysMenu: DrawSysMenuGlyph(c, x, y, color); break;
    case SkinCommand::cmRollUp:
        if (Parent->RolledUp()) DrawRollDownGlyph(c, x, y, color);
        else DrawRollUpGlyph(c, x, y, color);
        break;
    case SkinCommand::cmMinimizeToTray: DrawTrayGlyph(c, x, y, color); break;
    case SkinCommand::cmDefault: break;
    }
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, face);
}

void TbsSkinStdButtonObject::ExecuteCommand() { Parent->ExecuteCommand(command); }

void TbsSkinStdButtonObject::MouseDown(int x, int y, TMouseButton button)
{
    (void)x;
    (void)y;
    if (!Enabled || button != TMouseButton::Left || Down) return;
    SetDown(true);
    if (command == SkinCommand::cmSysMenu) {
        PopupItem = Parent->GetSystemMenu();
        ShowPopup();
    }
}

void TbsSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button)
{
    const bool runs = Active && button == TMouseButton::Left;
    if (command == SkinCommand::cmClose) {
        // The button comes up before the form goes.
        TbsSkinButtonObject::MouseUp(x, y, button);
        if (runs) ExecuteCommand();
        return;
    }
    auto alive = Parent->Guard();
    if (runs) ExecuteCommand();
    if (alive) TbsSkinButtonObject::MouseUp(x, y, button);
}

void TbsSkinStdButtonObject::DblClick()
{
    if (command == SkinCommand::cmSysMenu) Parent->CloseForm();
}

} // namespace tavrik
