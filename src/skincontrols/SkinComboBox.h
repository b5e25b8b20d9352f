#pragma once

#include "skincontrols/SkinCustomControl.h"
#include "skincontrols/SkinListBox.h"
#include "ui/WndHookChain.h"

#include <cstdint>
#include <string>

namespace tavrik {

class TEdit;
class TbsSkinComboBox;

// The drop-down list of a skinned combo box: a skinned list box in a floating window of its
// own that never takes the activation or the focus. While it is shown, a press anywhere
// outside it, in another program too, closes it without a choice.
class TbsPopupListBox : public TbsSkinListBox {
public:
    TbsPopupListBox(TComponent* owner, TbsSkinComboBox& combo);
    const char* ClassName() const override { return "TbsPopupListBox"; }

    bool Open() const { return open_; }
    // Shows the list at the screen point, without activating it.
    void ShowAt(TPoint screen);
    void HideList();

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TbsSkinComboBox& combo_;
    bool open_ = false;
};

enum class TbsComboBoxStyle : uint8_t { bscbEditStyle, bscbFixedStyle };

// A skinned drop-down selector ("combobox"): a text area showing the chosen item and a button
// that opens the list of Items below the box (above it when there is no room below). The
// keys choose without opening: Up/Down and Left/Right step, Page Up/Down jump by the list's
// rows, typed letters find an item by its beginning (letters typed within 500 ms of each other
// make one prefix), Alt+Down opens and Alt+Up closes. In the open list the pointer picks the
// item under it, a click or Enter takes it, Esc or a press anywhere else keeps the old choice.
//
// In the edit style a borderless edit (InnerEdit) takes the text area: what is typed there is
// the Text, and completes to the first item that begins with it (the rest of the item's text
// selected, so that typing on replaces it); Up and Down step through the items. While bound,
// the edit shows the skin through its background.
class TbsSkinComboBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinComboBox(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinComboBox"; }

    TStringItems& Items() { return list_->Items(); }
    int ItemIndex() const { return list_->ItemIndex(); }
    // Also shows the item's text and fires OnClick.
    void SetItemIndex(int index);
    bool Sorted() const { return list_->Sorted(); }
    void SetSorted(bool on) { list_->SetSorted(on); }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int rows);
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool on) { autoComplete_ = on; }
    TImageList* Images() const { return list_->Images(); }
    void SetImages(TImageList* images) { list_->SetImages(images); }
    int ImageIndex() const { return list_->ImageIndex(); }
    void SetImageIndex(int index) { list_->SetImageIndex(index); }

    TbsComboBoxStyle Style() const { return style_; }
    void SetStyle(TbsComboBoxStyle style);
    // The edit of the edit style, or nullptr.
    TEdit* InnerEdit() const { return edit_; }

    TbsPopupListBox& PopupList() { return *list_; }
    bool DroppedDown() const { return list_->Open(); }
    virtual void DropDown();
    void CloseUp(bool accept);
    // Where the button and the text stand now.
    TRect ButtonRect() const;
    TRect TextArea() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TbsDrawSkinItemEvent OnComboBoxDrawItem;

    void ApplySkin() override;
    void WndProc(TMessage& message) override;
    void SetBounds(int left, int top, int width, int height) override;
    // Draws the part of the box under the inner edit onto the edit's canvas.
    void PaintUnderEdit(TCanvas& canvas);

protected:
    // Run after a choice by the user or by ItemIndex; descendants act on it.
    virtual void SelectionChanged() {}
    void ReadSkinObject() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void TextChanged() override;

private:
    friend class TbsPopupListBox;
    bool ListMessage(TMessage& m);
    void Choose(int index);
    void Step(int delta);
    void Search(char32_t c);
    void SetButtonState(bool hot, bool pressed);
    void DrawItemText(TCanvas& canvas, TSize size, TRect text, int index, const TFont& font);
    // The edit style.
    void PlaceEdit();
    void StyleEdit();
    void EditMessage(TMessage& m, const TWndNext& next);
    void EditTextChanged();
    void CompleteInEdit();
    void StepInEdit(int delta);
    int FindPrefix(const std::string& prefix, int start);
    bool EditTransparent() const;

    TbsPopupListBox* list_ = nullptr;
    TbsComboBoxStyle style_ = TbsComboBoxStyle::bscbFixedStyle;
    TEdit* edit_ = nullptr;
    TWindowHook editHook_;
    bool textFromEdit_ = false;
    int dropDownCount_ = 8;
    bool autoComplete_ = true;
    int savedIndex_ = -1;
    bool buttonHot_ = false;
    bool buttonPressed_ = false;
    std::string prefix_;
    uint64_t lastTyped_ = 0;

    // From the combo box's control skin.
    bool comboSkin_ = false;
    TRect itemrect_, focusitemrect_, itemtextrect_, buttonrect_, activebuttonrect_, downbuttonrect_, unenabledbuttonrect_;
    int itemleftoffset_ = 0, itemrightoffset_ = 0;
    std::string fontname_;
    int fontheight_ = 14;
    unsigned fontstyle_ = 0;
    TColor fontcolor_ = 0, focusfontcolor_ = 0;
    std::string listboxname_;
};

} // namespace tavrik
