#include "skincontrols/SkinLinkLabel.h"

#include "shell/ShellNamespace.h"
#include "skin/DataSkinPanelControls.h"

namespace tavrik {

TbsSkinLinkLabel::TbsSkinLinkLabel(TComponent* owner) : TbsSkinStdLabel(owner)
{
    TFont font;
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetStyle(fsUnderline);
    SetDefaultFont(font);
    SetFont(font);
    SetCursor(crHandPoint);
    OpenAddress = [](std::string_view address) { TShellNamespace().OpenAddress(address); };
}

void TbsSkinLinkLabel::SetDefaultActiveFontColor(TColor color)
{
    if (color == defaultActiveFontColor_) return;
    defaultActiveFontColor_ = color;
    if (hovered_) Invalidate();
}

void TbsSkinLinkLabel::Click()
{
    auto alive = Guard();
    TbsSkinStdLabel::Click();
    if (alive && OpenAddress) OpenAddress(url_);
}

void TbsSkinLinkLabel::WndProc(TMessage& m)
{
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        hovered_ = m.Msg == CM_MOUSEENTER;
        Invalidate();
    }
    TbsSkinStdLabel::WndProc(m);
}

TFontRequest TbsSkinLinkLabel::TextFont() const
{
    TFontRequest font = TbsSkinStdLabel::TextFont();
    const TbsDataSkinStdLabelControl* skin = BoundSkin();
    if (hovered_) font.Color = skin ? skin->activefontcolor : defaultActiveFontColor_;
    if (!skin || UseSkinFont()) font.Style |= fsUnderline;
    return font;
}

} // namespace tavrik
