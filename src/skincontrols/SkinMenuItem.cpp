#include "skincontrols/SkinMenuItem.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "skin/DataSkinObject.h"
#include "skin/EffectBmp.h"
#include "skin/Glyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinRects.h"
#include "skincontrols/SkinPopupWindow.h"
#include "ui/ImageList.h"
#include "ui/MenuItem.h"
#include "ui/PopupMenuWindow.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tavrik {

namespace {

constexpr TColor kHotFill = RGB(182, 189, 210);
constexpr TColor kHotFrame = clNavy;
constexpr unsigned kLine = DT_SINGLELINE | DT_NOCLIP;

int Mid(const TRect& r) { return r.Top + r.Height() / 2; }

// The caption buttons' glyphs that the frame's own menu items show instead of an image.
void DrawNamedGlyph(TCanvas& canvas, std::string_view name, int x, int y, TColor color)
{
    struct TNamed {
        std::string_view name;
        void (*draw)(TCanvas&, int, int, TColor);
    };
    static const std::array<TNamed, 8> kNamed = {{
        {"BSF_CLOSE", DrawCloseGlyph},
        {"TRAY_BSF_CLOSE", DrawCloseGlyph},
        {"BSF_MINITEM", DrawMinimizeGlyph},
        {"BSF_MAXITEM", DrawMaximizeGlyph},
        {"BSF_RESTORE", DrawRestoreGlyph},
        {"TRAY_BSF_RESTORE", DrawRestoreGlyph},
        {"BSF_ROLLUP", DrawRollUpGlyph},
        {"BSF_MINTOTRAY", DrawTrayGlyph},
    }};
    for (const TNamed& n : kNamed)
        if (n.name == name) n.draw(canvas, x, y, color);
}

bool HasNamedGlyph(std::string_view name)
{
    return name == "BSF_CLOSE" || name == "TRAY_BSF_CLOSE" || name == "BSF_MINITEM" || name == "BSF_MAXITEM" ||
           name == "BSF_RESTORE" || name == "TRAY_BSF_RESTORE" || name == "BSF_ROLLUP" || name == "BSF_MINTOTRAY";
}

void DrawRadioMark(TCanvas& canvas, int x, int y, TColor color)
{
    TCanvasStateSaver saver(canvas);
    canvas.SetPen(TPen{color, 1, TPenStyle::psSolid, TPenMode::pmCopy});
    canvas.SetBrush(TBrush{color, TBrushStyle::bsSolid});
    canvas.Ellipse(x, y, x + 6, y + 6);
}

void DrawSubmenuArrow(TCanvas& canvas, int ax, int ay, TColor color)
{
    TCanvasStateSaver saver(canvas);
    canvas.SetPen(TPen{color, 1, TPenStyle::psSolid, TPenMode::pmCopy});
    for (int i = 0; i <= 3; ++i) {
        canvas.MoveTo(ax + i, ay + i);
        canvas.LineTo(ax + i, ay + 7 - i);
    }
}

} // namespace

TbsSkinMenuItem::TbsSkinMenuItem(TbsSkinPopupWindow* parent, TMenuItem* item, const TbsDataSkinMenuItem* itemSkin,
                                 const TBitmap* activePicture)
    : parent_(parent), item_(item), itemSkin_(activePicture ? itemSkin : nullptr), activePicture_(activePicture)
{
}

bool TbsSkinMenuItem::IsDivider() const { return item_->Caption() == "-"; }

bool TbsSkinMenuItem::Selectable() const { return item_->Enabled() && !IsDivider(); }

bool TbsSkinMenuItem::HasSubmenu() const { return tavrik::HasSubmenu(item_); }

int TbsSkinMenuItem::NeededHeight(int defaultHeight) const
{
    if (IsDivider()) return itemSkin_ ? RectHeight(itemSkin_->dividerrect) : 4;
    return itemSkin_ ? RectHeight(itemSkin_->skinrect) : defaultHeight;
}

bool TbsSkinMenuItem::CanMorph() const
{
    return Visible && ((Highlighted() && MorphFactor < 1) || (!Highlighted() && MorphFactor > 0));
}

bool TbsSkinMenuItem::StepMorph()
{
    if (!CanMorph()) return false;
    MorphFactor = std::clamp(MorphFactor + (Highlighted() ? 0.1 : -0.1), 0.0, 1.0);
    return true;
}

void TbsSkinMenuItem::Draw(TCanvas& canvas) const
{
    if (!Visible || ItemRect.IsEmpty()) return;
    bool morphing = itemSkin_ && itemSkin_->morphing && !IsDivider() &&
                    ((Highlighted() && MorphFactor < 1) || (!Highlighted() && MorphFactor > 0));
    if (!morphing) {
        canvas.Draw(ItemRect.Left, ItemRect.Top, Image(Highlighted()));
        return;
    }
    TbsEffectBmp normal(Image(false));
    normal.Morph(int(itemSkin_->morphkind), TbsEffectBmp(Image(true)), MorphFactor);
    normal.Draw(canvas, ItemRect.Left, ItemRect.Top);
}

TBitmap TbsSkinMenuItem::Image(bool highlighted) const
{
    TSize size{ItemRect.Width(), ItemRect.Height()};
    TBitmap image(std::max(size.cx, 1), std::max(size.cy, 1));
    TCanvas canvas(image);
    canvas.SetFont(parent_->ItemFont());
    if (itemSkin_) DrawSkinned(canvas, size, highlighted);
    else DrawPlain(canvas, size, highlighted);
    return image;
}

void TbsSkinMenuItem::DrawPlain(TCanvas& canvas, TSize size, bool highlighted) const
{
    const TRect all = Rect(0, 0, size.cx, size.cy);
    const int column = parent_->Images() ? parent_->GlyphWidth() : 19;
    if (highlighted && !IsDivider()) {
        canvas.SetPen(TPen{kHotFrame, 1, TPenStyle::psSolid, TPenMode::pmCopy});
        canvas.SetBrush(TBrush{kHotFill, TBrushStyle::bsSolid});
        canvas.Rectangle(all);
    } else {
        canvas.SetBrush(TBrush{clBtnFace, TBrushStyle::bsSolid});
        canvas.FillRect(Rect(0, 0, column, size.cy));
        canvas.Brush().Color = clWindow;
        canvas.FillRect(Rect(column, 0, size.cx, size.cy));
    }
    if (IsDivider()) {
        canvas.SetPen(TPen{clBtnShadow, 1, TPenStyle::psSolid, TPenMode::pmCopy});
        canvas.MoveTo(column, size.cy / 2);
        canvas.LineTo(size.cx, size.cy / 2);
        return;
    }
    TColor text = highlighted || item_->Enabled() ? clWindowText : clBtnShadow;
    DrawContent(canvas, Rect(2, 2, size.cx - 2, size.cy - 2), {column, 19, 0, 2, 3}, text);
}

void TbsSkinMenuItem::DrawSkinned(TCanvas& canvas, TSize size, bool highlighted) const
{
    const TbsDataSkinMenuItem& s = *itemSkin_;
    TBitmap background;
    if (IsDivider()) {
        BuildHSkinImage(*activePicture_, s.dividerrect, s.dividerleftoffset, s.dividerrightoffset, size.cx, background);
        canvas.Draw(0, 0, background);
        return;
    }
    BuildHSkinImage(*activePicture_, highlighted ? s.activeskinrect : s.skinrect, s.itemleftoffset, s.itemrightoffset,
                    size.cx, background);
    canvas.Draw(0, 0, background);
    TRect text = s.textrect;
    text.Right = size.cx + s.textrect.Right - RectWidth(s.skinrect);
    TColor color = highlighted ? s.activefontcolor : item_->Enabled() ? s.fontcolor : s.unenabledfontcolor;
    const int column = parent_->Images() ? parent_->GlyphWidth() : 16;
    DrawContent(canvas, text, {column, 16, 2, 2, 2}, color);
}

void TbsSkinMenuItem::DrawContent(TCanvas& canvas, const TRect& inner, const TPlaces& at, TColor text) const
{
    TCanvasStateSaver saver(canvas);
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.Font().Color = text;
    TRect measured;
    canvas.DrawText(item_->Caption(), measured, kLine | DT_CALCRECT);
    const int textHeight = measured.Height();
    const int y = inner.Top + inner.Height() / 2 - textHeight / 2;
    TRect caption = Bounds(inner.Left + at.glyphColumn, y, measured.Width() + 2, textHeight);
    canvas.DrawText(item_->Caption(), caption, kLine | DT_CENTER);
    if (std::string shortCut = ShortCutToText(item_->ShortCut()); !shortCut.empty()) {
        int right = inner.Right - at.shortCutGap;
        canvas.TextOut(right - canvas.TextWidth(shortCut), y, shortCut);
    }
    const int mid = Mid(inner);
    if (HasSubmenu()) DrawSubmenuArrow(canvas, inner.Right - 7, mid - 4, text);

    TImageList* images = parent_->Images();
    const int index = item_->ImageIndex();
    if (images && index >= 0 && index < images->Count()) {
        int x = inner.Left + at.imageX;
        int top = mid - images->Height() / 2;
        images->Draw(canvas, x, top, index, item_->Enabled());
        if (item_->Checked()) {
            canvas.SetBrush(TBrush{text, TBrushStyle::bsSolid});
            canvas.FrameRect(Rect(x - 1, top - 1, x + images->Width() + 1, top + images->Height() + 1));
        }
        return;
    }
    if (HasNamedGlyph(item_->Name())) DrawNamedGlyph(canvas, item_->Name(), inner.Left + at.glyphX, mid - 4, text);
    else if (item_->Checked() && item_->RadioItem()) DrawRadioMark(canvas, inner.Left + at.markX, mid - 3, text);
    else if (item_->Checked()) DrawCheckGlyph(canvas, inner.Left + at.markX, mid - 4, text);
}

} // namespace tavrik
