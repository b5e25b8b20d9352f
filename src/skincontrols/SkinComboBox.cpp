#include "skincontrols/SkinComboBox.h"

#include "core/TickClock.h"
#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinEditControls.h"
#include "skin/Glyphs.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinWindows.h"
#include "skincontrols/DefaultLook.h"
#include "ui/Edit.h"
#include "ui/Frame3D.h"
#include "ui/ImageList.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <cctype>

namespace tavrik {

namespace {

constexpr uint64_t kTypingPause = 500; // ms after which typed letters start a new prefix
constexpr int kEditMargin = 2;         // text margins of the inner edit

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(uint8_t(a)) == std::tolower(uint8_t(b));
           });
}

// The edit of a combo box's edit style: no border, and while the box is bound the box's
// skin under it instead of a background of its own.
class TComboInnerEdit : public TEdit {
public:
    TComboInnerEdit(TComponent* owner, TbsSkinComboBox& combo) : TEdit(owner), combo_(combo)
    {
        SetBorderStyle(TBorderStyle::bsNone);
        SetAutoSize(false);
        SetTabStop(true);
    }
    bool Transparent = false;

protected:
    void PaintBackground(TCanvas& canvas) override
    {
        if (Transparent) combo_.PaintUnderEdit(canvas);
        else TEdit::PaintBackground(canvas);
    }

private:
    TbsSkinComboBox& combo_;
};

} // namespace

TbsPopupListBox::TbsPopupListBox(TComponent* owner, TbsSkinComboBox& combo) : TbsSkinListBox(owner), combo_(combo)
{
    SetVisible(false);
    ListBox().SetTabStop(false);
    ListBox().MessageFilter = [this](TMessage& m) { return combo_.ListMessage(m); };
}

void TbsPopupListBox::CreateParams(TCreateParams& p)
{
    TbsSkinListBox::CreateParams(p);
    p.Style = WS_POPUP | WS_CLIPCHILDREN;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WindowClassStyle |= CS_SAVEBITS;
}

void TbsPopupListBox::ShowAt(TPoint screen)
{
    SetBounds(screen.x, screen.y, Width(), Height());
    open_ = true;
    Show();
    UpdateWindow(Handle());
    WatchOutsidePresses(Handle(), true);
}

void TbsPopupListBox::HideList()
{
    if (!open_) return;
    open_ = false;
    if (HandleAllocated()) WatchOutsidePresses(Handle(), false);
    Hide();
}

void TbsPopupListBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEACTIVATE: m.Result = MA_NOACTIVATE; return;
    case WM_CANCELMODE: {
        // A press outside the list; one on the combo box itself opens and closes it there.
        const TPoint pointer = GetCursorPos();
        const TPoint origin = combo_.ClientToScreen({0, 0});
        const TRect box = Bounds(origin.x, origin.y, combo_.Width(), combo_.Height());
        if (open_ && !box.Contains(pointer)) combo_.CloseUp(false);
        return;
    }
    default: break;
    }
    TbsSkinListBox::WndProc(m);
}

TbsSkinComboBox::TbsSkinComboBox(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("combobox");
    SetTabStop(true);
    Font().SetName("Arial");
    Font().SetHeight(14);
    Font().SetColor(clWindowText);
    SetBounds(0, 0, 120, 20);
    list_ = new TbsPopupListBox(this, *this);
}

void TbsSkinComboBox::SetDropDownCount(int rows)
{
    if (rows > 0) dropDownCount_ = rows;
}

void TbsSkinComboBox::SetItemIndex(int index)
{
    list_->SetItemIndex(index);
    const int chosen = list_->ItemIndex();
    if (chosen >= 0 && chosen < Items().Count()) SetText(Items()[chosen]);
    savedIndex_ = chosen;
    if (edit_ && chosen >= 0 && chosen < Items().Count()) edit_->SetText(Items()[chosen]);
    Invalidate();
    auto alive = Guard();
    if (OnClick) OnClick(this);
    if (alive) SelectionChanged();
}

void TbsSkinComboBox::TextChanged()
{
    TbsSkinCustomControl::TextChanged();
    const bool fromEdit = textFromEdit_;
    if (edit_ && !fromEdit && edit_->Text() != Text()) edit_->SetText(Text());
    auto alive = Guard();
    if (OnChange) OnChange(this);
    if (alive && fromEdit) SelectionChanged();
}

void TbsSkinComboBox::SetStyle(TbsComboBoxStyle style)
{
    if (style == style_) return;
    style_ = style;
    if (style == TbsComboBoxStyle::bscbEditStyle) {
        const bool hadFocus = Focused();
        SetTabStop(false);
        auto* edit = new TComboInnerEdit(this, *this);
        edit_ = edit;
        edit->SetParent(this);
        edit->Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(kEditMargin, kEditMargin));
        edit->SetText(Text());
        edit->OnChange = [this](TComponent*) { EditTextChanged(); };
        edit->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState shift) {
            if (OnKeyDown) OnKeyDown(this, key, shift);
        };
        edit->OnKeyPress = [this](TComponent*, char32_t& key) {
            if (OnKeyPress) OnKeyPress(this, key);
        };
        edit->OnKeyUp = [this](TComponent*, uint16_t& key, TShiftState shift) {
            if (OnKeyUp) OnKeyUp(this, key, shift);
        };
        editHook_ = TWindowHook(edit, [this](TMessage& m, const TWndNext& next) { EditMessage(m, next); });
        StyleEdit();
        PlaceEdit();
        if (hadFocus) edit->SetFocus();
    } else {
        SetTabStop(true);
        editHook_.Remove();
        TEdit* edit = edit_;
        edit_ = nullptr;
        if (edit) edit->Free();
    }
    Invalidate();
}

void TbsSkinComboBox::SetBounds(int left, int top, int width, int height)
{
    TbsSkinCustomControl::SetBounds(left, top, width, height);
    PlaceEdit();
}

bool TbsSkinComboBox::EditTransparent() const { return edit_ && static_cast<TComboInnerEdit*>(edit_)->Transparent; }

void TbsSkinComboBox::PlaceEdit()
{
    if (edit_) edit_->SetBoundsRect(TextArea());
}

// The edit's font is the box's; while bound it shows the skin through its background.
void TbsSkinComboBox::StyleEdit()
{
    if (!edit_) return;
    const bool bound = SkinIndex() != -1 && comboSkin_;
    TFont font = DefaultFont();
    if (bound) {
        font.SetName(fontname_);
        font.SetHeight(fontheight_);
        font.SetStyle(fontstyle_);
        font.SetColor(fontcolor_);
    }
    edit_->Font().Assign(font);
    static_cast<TComboInnerEdit*>(edit_)->Transparent = bound;
    edit_->Invalidate();
}

void TbsSkinComboBox::PaintUnderEdit(TCanvas& canvas)
{
    if (!edit_ || Width() <= 0 || Height() <= 0) return;
    ReadSkinObject();
    TBitmap image(Width(), Height());
    if (SkinIndex() == -1) DrawDefaultImage(image);
    else DrawSkinImage(image);
    canvas.Draw(-edit_->Left(), -edit_->Top(), image);
}

// Typing searches the items: with AutoComplete the item found is selected in the list,
// otherwise the list only scrolls to it.
void TbsSkinComboBox::EditTextChanged()
{
    const std::string typed = edit_->Text();
    const int found = FindPrefix(typed, 0);
    if (found >= 0) {
        if (autoComplete_) list_->SetItemIndex(found);
        else list_->ListBox().SetTopIndex(found);
    }
    textFromEdit_ = true;
    SetText(typed);
    textFromEdit_ = false;
    if (EditTransparent()) edit_->Invalidate();
}

// Completes the typed text to the first item that begins with it; the completion is selected.
void TbsSkinComboBox::CompleteInEdit()
{
    const std::string typed = edit_->Text();
    const int found = FindPrefix(typed, Utf8Length(typed) == 1 ? std::max(ItemIndex(), 0) : 0);
    if (found < 0) return;
    const int length = int(Utf8Length(typed));
    SetItemIndex(found);
    if (!edit_) return;
    edit_->SetSelStart(length);
    edit_->SetSelLength(edit_->GetTextLen() - length);
}

void TbsSkinComboBox::StepInEdit(int delta)
{
    const int count = Items().Count();
    if (DroppedDown()) {
        const int next = list_->ItemIndex() + delta;
        if (next >= 0 && next < count) list_->SetItemIndex(next);
        return;
    }
    const int next = ItemIndex() + delta;
    if (next < 0 || next >= count) return;
    SetItemIndex(next);
    if (edit_) edit_->SelectAll();
}

// The edit's messages pass here first: the keys that choose, the presses that close the list.
void TbsSkinComboBox::EditMessage(TMessage& m, const TWndNext& next)
{
    switch (m.Msg) {
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: CloseUp(false); break;
    case WM_KEYDOWN: {
        const int count = Items().Count();
        const int index = list_->ItemIndex();
        switch (m.WParam) {
        case VK_RETURN:
            if (DroppedDown()) CloseUp(true);
            return;
        case VK_ESCAPE:
            if (DroppedDown()) CloseUp(false);
            return;
        case VK_PRIOR:
            if (DroppedDown() && count > 0) list_->SetItemIndex(std::max(0, index - dropDownCount_ - 1));
            if (DroppedDown()) return;
            break;
        case VK_NEXT:
            if (DroppedDown() && count > 0) list_->SetItemIndex(std::min(count - 1, index + dropDownCount_ - 1));
            if (DroppedDown()) return;
            break;
        case VK_UP:
        case VK_DOWN: StepInEdit(m.WParam == VK_UP ? -1 : 1); return;
        default: break;
        }
        break;
    }
    case WM_MOUSEWHEEL: StepInEdit(GET_WHEEL_DELTA_WPARAM(m.WParam) > 0 ? -1 : 1); return;
    default: break;
    }
    auto alive = Guard();
    next(m);
    if (!alive || !edit_) return;
    if (m.Msg == WM_KEYUP && m.WParam >= '0' && autoComplete_) CompleteInEdit();
    else if (EditTransparent() && (m.Msg == WM_KEYDOWN || m.Msg == WM_CHAR || m.Msg == WM_CUT || m.Msg == WM_PASTE)) edit_->Invalidate();
}

void TbsSkinComboBox::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    auto* skin = dynamic_cast<const TbsDataSkinComboBox*>(SkinControl());
    comboSkin_ = skin != nullptr;
    if (!skin) return;
    itemrect_ = skin->itemrect;
    focusitemrect_ = skin->focusitemrect.IsEmpty() ? skin->itemrect : skin->focusitemrect;
    itemleftoffset_ = skin->itemleftoffset;
    itemrightoffset_ = skin->itemrightoffset;
    itemtextrect_ = skin->itemtextrect;
    fontname_ = skin->fontname;
    fontheight_ = skin->fontheight;
    fontstyle_ = skin->fontstyle;
    fontcolor_ = skin->fontcolor;
    focusfontcolor_ = skin->focusfontcolor;
    buttonrect_ = skin->buttonrect;
    activebuttonrect_ = skin->activebuttonrect;
    downbuttonrect_ = skin->downbuttonrect.IsEmpty() ? skin->activebuttonrect : skin->downbuttonrect;
    unenabledbuttonrect_ = skin->unenabledbuttonrect;
    listboxname_ = skin->listboxname;
}

void TbsSkinComboBox::ApplySkin()
{
    TbsSkinCustomControl::ApplySkin();
    const bool bound = SkinIndex() != -1 && comboSkin_;
    list_->SetSkinData(SkinData());
    list_->SetSkinDataName(bound ? listboxname_ : "");
    list_->ApplySkin();
    StyleEdit();
    PlaceEdit();
}

TRect TbsSkinComboBox::ButtonRect() const
{
    const int w = Width(), h = Height();
    if (SkinIndex() == -1 || !comboSkin_) return {w - 19, 2, w - 2, h - 2};
    const int dW = w - skinrect.Width();
    return buttonrect_.Left >= skinrect.Width() - righttoppoint.x ? buttonrect_.Offset(dW, 0) : buttonrect_;
}

TRect TbsSkinComboBox::TextArea() const
{
    if (SkinIndex() == -1 || !comboSkin_) return {2, 2, ButtonRect().Left - 1, Height() - 2};
    TRect r = clientrect;
    r.Right += Width() - skinrect.Width();
    return r;
}

void TbsSkinComboBox::DrawItemText(TCanvas& canvas, TSize size, TRect text, int index, const TFont& font)
{
    if (index < 0 || index >= Items().Count()) return;
    // A handler draws in the box's font like the built-in drawing, as the list's handler does.
    canvas.SetFont(font.Request());
    canvas.Brush().Style = TBrushStyle::bsClear;
    if (OnComboBoxDrawItem) {
        OnComboBoxDrawItem(this, canvas, index, size.cx, size.cy, text,
                           Focused() ? TOwnerDrawState(odFocused) : TOwnerDrawState(0));
        return;
    }
    if (TImageList* images = Images()) {
        const int picture = ImageIndex() >= 0 ? ImageIndex() : index;
        if (picture < images->Count())
            images->Draw(canvas, text.Left, text.Top + text.Height() / 2 - images->Height() / 2, picture);
        text.Left += images->Width() + 2;
    }
    DrawTextInRect(canvas, Items()[index], text);
}

void TbsSkinComboBox::DrawDefaultImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawDefaultImage(bitmap);
    TCanvas canvas(bitmap);
    TRect frame{0, 0, bitmap.Width(), bitmap.Height()};
    Frame3D(canvas, frame, clBtnShadow, clBtnShadow, 1);
    TRect button = ButtonRect();
    const TRect arrow = button;
    DrawDefaultElement(canvas, button, buttonPressed_ && buttonHot_ ? TbsElementState::Pressed
                                       : buttonHot_                 ? TbsElementState::Hot
                                                                    : TbsElementState::Normal);
    DrawSmallDownArrow(canvas, arrow, Enabled() ? clBlack : clBtnShadow);
    const TRect area = TextArea();
    if (area.IsEmpty() || edit_) return;
    TBitmap text(area.Width(), area.Height());
    TCanvas textCanvas(text);
    textCanvas.Brush().Style = TBrushStyle::bsSolid;
    textCanvas.Brush().Color = Focused() ? clHighlight : clWindow;
    textCanvas.FillRect({0, 0, area.Width(), area.Height()});
    TFont font = Font();
    font.SetColor(Focused() ? clHighlightText : clWindowText);
    DrawItemText(textCanvas, {area.Width(), area.Height()}, {2, 2, area.Width() - 2, area.Height() - 2},
                 DroppedDown() ? savedIndex_ : ItemIndex(), font);
    if (Focused()) textCanvas.DrawFocusRect({0, 0, area.Width(), area.Height()});
    canvas.Draw(area.Left, area.Top, text);
}

void TbsSkinComboBox::DrawSkinImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    if (!SkinPicture || !comboSkin_) return;
    TCanvas canvas(bitmap);
    TRect face;
    if (!Enabled() && !unenabledbuttonrect_.IsEmpty()) face = unenabledbuttonrect_;
    else if (buttonPressed_ && buttonHot_) face = downbuttonrect_;
    else if (buttonHot_) face = activebuttonrect_;
    if (!face.IsEmpty()) canvas.CopyRect(ButtonRect(), *SkinPicture, face);
    const TRect area = TextArea();
    if (area.Width() <= 0 || edit_) return;
    const TRect& source = Focused() ? focusitemrect_ : itemrect_;
    const int h = !itemrect_.IsEmpty() ? itemrect_.Height() : !focusitemrect_.IsEmpty() ? focusitemrect_.Height() : area.Height();
    TBitmap text(area.Width(), h);
    if (!source.IsEmpty()) BuildHSkinImage(*SkinPicture, source, itemleftoffset_, itemrightoffset_, area.Width(), text);
    else TCanvas(text).CopyRect({0, 0, area.Width(), h}, bitmap, Bounds(area.Left, area.Top, area.Width(), h));
    TRect textRect = itemtextrect_;
    textRect.Right += area.Width() - (itemrect_.IsEmpty() ? clientrect.Width() : itemrect_.Width());
    TCanvas textCanvas(text);
    TFont font = DefaultFont();
    if (UseSkinFont()) {
        font.SetName(fontname_);
        font.SetHeight(fontheight_);
        font.SetStyle(fontstyle_);
    }
    font.SetColor(Focused() ? focusfontcolor_ : fontcolor_);
    DrawItemText(textCanvas, {area.Width(), h}, textRect, DroppedDown() ? savedIndex_ : ItemIndex(), font);
    canvas.Draw(area.Left, area.Top, text);
}

void TbsSkinComboBox::DropDown()
{
    if (Items().Count() == 0 || DroppedDown()) return;
    auto alive = Guard();
    if (OnDropDown) OnDropDown(this);
    if (!alive) return;
    list_->SetWidth(Width());
    list_->SetRowCount(std::min(Items().Count(), dropDownCount_));
    TPoint at = ClientToScreen({0, Height()});
    const TRect work = GetMonitorWorkArea(Handle(), true);
    if (at.y + list_->Height() > work.Bottom) at.y = at.y - Height() - list_->Height();
    if (edit_ && edit_->CanFocus()) edit_->SetFocus();
    savedIndex_ = ItemIndex();
    list_->ListBox().SetTopIndex(std::max(savedIndex_, 0));
    list_->ShowAt(at);
    list_->UpdateScrollBars();
    Invalidate();
}

void TbsSkinComboBox::CloseUp(bool accept)
{
    if (!DroppedDown()) return;
    list_->HideList();
    const int chosen = list_->ItemIndex();
    auto alive = Guard();
    if (accept && chosen >= 0 && chosen < Items().Count()) {
        savedIndex_ = chosen;
        if (edit_) edit_->SetText(Items()[chosen]);
        else SetText(Items()[chosen]);
        if (!alive) return;
        Invalidate();
        if (OnClick) OnClick(this);
        if (alive) SelectionChanged();
    } else {
        list_->SetItemIndex(savedIndex_);
        Invalidate();
    }
    if (alive && accept && OnCloseUp) OnCloseUp(this);
}

bool TbsSkinComboBox::ListMessage(TMessage& m)
{
    if (!DroppedDown()) return false;
    switch (m.Msg) {
    case WM_MOUSEACTIVATE: m.Result = MA_NOACTIVATE; return true;
    case WM_MOUSEMOVE: {
        const int item = list_->ListBox().ItemAtPos(LParamToPoint(m.LParam), true);
        if (item >= 0 && item != list_->ItemIndex()) list_->SetItemIndex(item);
        return true;
    }
    case WM_LBUTTONUP: CloseUp(true); return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return true;
    default: return false;
    }
}

void TbsSkinComboBox::SetButtonState(bool hot, bool pressed)
{
    if (hot == buttonHot_ && pressed == buttonPressed_) return;
    buttonHot_ = hot;
    buttonPressed_ = pressed;
    Invalidate();
}

void TbsSkinComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!edit_ && !Focused()) SetFocus();
    auto alive = Guard();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (!alive || button != TMouseButton::Left) return;
    const TPoint p{x, y};
    if (ButtonRect().Contains(p) || (!edit_ && TextArea().Contains(p))) {
        SetButtonState(buttonHot_, true);
        if (DroppedDown()) CloseUp(false);
        else DropDown();
    } else {
        CloseUp(false);
    }
}

void TbsSkinComboBox::MouseMove(TShiftState shift, int x, int y)
{
    SetButtonState(ButtonRect().Contains(TPoint{x, y}), buttonPressed_);
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    SetButtonState(buttonHot_, false);
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinComboBox::Choose(int index)
{
    if (index < 0 || index >= Items().Count() || index == ItemIndex()) return;
    SetItemIndex(index);
}

void TbsSkinComboBox::Step(int delta)
{
    // While the list is open only its selection moves; the choice waits for Enter.
    if (DroppedDown()) {
        const int next = std::clamp(list_->ItemIndex() + delta, 0, Items().Count() - 1);
        if (Items().Count() > 0) list_->SetItemIndex(next);
        return;
    }
    Choose(ItemIndex() + delta);
}

void TbsSkinComboBox::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TbsSkinCustomControl::KeyDown(key, shift);
    if (!alive) return;
    const int count = Items().Count();
    const bool alt = shift & ssAlt;
    switch (key) {
    case VK_RETURN: CloseUp(true); break;
    case VK_ESCAPE: CloseUp(false); break;
    case VK_PRIOR:
        if (count > 0) Choose(std::max(0, ItemIndex() - dropDownCount_ - 1));
        break;
    case VK_NEXT:
        if (count > 0) Choose(std::min(count - 1, std::max(ItemIndex(), 0) + dropDownCount_ - 1));
        break;
    case VK_LEFT:
    case VK_UP:
        if (alt) CloseUp(false);
        else if (DroppedDown() || ItemIndex() > 0) Step(-1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (alt) DropDown();
        else if (DroppedDown() || ItemIndex() < count - 1) Step(1);
        break;
    default: return;
    }
    key = 0;
}

void TbsSkinComboBox::KeyPress(char32_t& key)
{
    TbsSkinCustomControl::KeyPress(key);
    if (key >= 32) Search(key);
}

void TbsSkinComboBox::Search(char32_t c)
{
    const uint64_t now = GetTickCount();
    if (!autoComplete_ || now - lastTyped_ >= kTypingPause) prefix_.clear();
    lastTyped_ = now;
    prefix_ += Utf8Encode(c);
    // One letter looks from the next item on, so that the same letter again moves on.
    const bool single = prefix_ == Utf8Encode(c);
    Choose(FindPrefix(prefix_, single ? ItemIndex() + 1 : 0));
}

// The first item from start on (wrapping around) that begins with the prefix, or -1.
int TbsSkinComboBox::FindPrefix(const std::string& prefix, int start)
{
    const int count = Items().Count();
    if (prefix.empty() || count == 0) return -1;
    start = std::clamp(start, 0, count);
    for (int k = 0; k < count; ++k) {
        const int i = (start + k) % count;
        if (StartsWith(Items()[i], prefix)) return i;
    }
    return -1;
}

void TbsSkinComboBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case WM_MOUSEWHEEL: Step(GET_WHEEL_DELTA_WPARAM(m.WParam) > 0 ? -1 : 1); return;
    case WM_KILLFOCUS:
        if (!edit_) CloseUp(false);
        Invalidate();
        break;
    case WM_SETFOCUS:
        // The edit takes the focus of the edit style.
        if (edit_ && edit_->CanFocus()) {
            TbsSkinCustomControl::WndProc(m);
            edit_->SetFocus();
            return;
        }
        Invalidate();
        break;
    case CM_MOUSELEAVE: SetButtonState(false, buttonPressed_); break;
    default: break;
    }
    TbsSkinCustomControl::WndProc(m);
}

} // namespace tavrik
