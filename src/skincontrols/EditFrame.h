#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skincontrols/SkinControlGeometry.h"
#include "ui/Font.h"

#include <string>

namespace tavrik {

class TBitmap;
class TbsDataSkinEditControl;
struct TbsSkinPictureSet;

// The frame a skinned edit draws around the native edit, in its non-client area: the skin's
// picture stretched across the width between its caps (or two plain 3-D frames), with an
// optional button at the right end. A memo's frame is the skin's border at any size.
//
//   +------------------------------------------+-----+
//   |  text rectangle (the native edit)        | btn |   Margins: the widths around the
//   +------------------------------------------+-----+   text, from the skin's clientrect
class TbsEditFrame {
public:
    enum class TButtonLook : uint8_t { Normal, Hot, Pressed, Disabled };

    // Copies the fields of an edit's control skin; the picture belongs to the skin data.
    void CopyFrom(const TbsDataSkinEditControl& skin, const TbsSkinPictureSet& pictures);
    // Unbound: the plain frame.
    void Unbind() { bound_ = false; }
    bool Bound() const { return bound_; }
    int SkinHeight() const { return geometry_.skinrect.Height(); }

    // The widths of the frame on each side of the text: Left, Top, Right, Bottom.
    TRect Margins(bool buttonMode) const;
    TRect TextRect(TSize size, bool buttonMode) const;
    // Empty without ButtonMode.
    TRect ButtonRect(TSize size, bool buttonMode) const;
    // The whole frame image at the window's size: the text area is painted by the edit.
    void Draw(TBitmap& image, bool active, bool buttonMode, TButtonLook button) const;
    // A memo's frame: the skin's border around clientrect stretched to the window's size.
    void DrawBorder(TBitmap& image, bool active) const;

    // The text colour of a bound edit: active while hovered or focused.
    TColor FontColor(bool active, bool enabled) const;
    // The skin's font with the character set of `base`.
    TFont SkinFont(const TFont& base) const;
    TColor DisabledFontColor() const { return disabledfontcolor_; }
    // A memo skin's background of the text area; the window colour for other skins.
    TColor BackgroundColor(bool active) const { return active ? activebgcolor_ : bgcolor_; }

private:
    bool bound_ = false;
    TbsSkinControlGeometry geometry_;
    TRect activeskinrect_, buttonrect_, activebuttonrect_, downbuttonrect_, unenabledbuttonrect_;
    std::string fontname_;
    int fontheight_ = 14;
    TFontStyles fontstyle_ = 0;
    TColor fontcolor_ = 0, activefontcolor_ = 0, disabledfontcolor_ = 0;
    TColor bgcolor_ = 0, activebgcolor_ = 0;
};

} // namespace tavrik
