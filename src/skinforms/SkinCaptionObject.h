#pragma once

#include "core/Color.h"
#include "skinforms/ActiveSkinObject.h"

namespace tavrik {

class TbsDataSkinCaption;

// The form's caption text on the frame, shortened with "..." to its text rectangle, which
// grows with the frame. Active follows the form's activation (the frame sets it); with a
// highlighted look the caption's background morphs between the inactive and active looks.
class TbsSkinCaptionObject : public TbsActiveSkinObject {
public:
    TbsSkinCaptionObject(TbsRevideruDadoZiri* parent, const TbsDataSkinCaption* data, const TbsSkinPictureSet* pictures);

    void Draw(TCanvas& canvas, bool repaint) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    std::string fontname = "Arial";
    int fontheight = 14;
    uint8_t fontstyle = 0;
    TColor fontcolor = 0;
    TColor activefontcolor = 0;
    TbsAlignment alignment = TbsAlignment::taCenter;
    bool shadow = false;
    TColor shadowcolor = 0;
    TColor activeshadowcolor = 0;
    TRect textrect;
    TRect framerect;
    TRect activeframerect;
    TRect frametextrect;
    int frameleftoffset = 0;
    int framerightoffset = 0;

private:
    // The text rectangle relative to ObjectRect's top-left corner.
    TRect TextRect() const;
    void SetCaptionFont(TCanvas& canvas, bool active) const;
    void DrawCaptionText(TCanvas& canvas, int ox, int oy, bool active) const;
    // The caption's background at ObjectRect's size: the caps of the source copied, the
    // middle between them tiled.
    TBitmap BuildCaptionImage(const TBitmap* picture, const TRect& source) const;
    TBitmap CaptionImage(bool active) const;
    bool RendersInactiveLook() const;
};

} // namespace tavrik
