#pragma once

#include "ui/EditBuffer.h"
#include "ui/EditLayout.h"
#include "ui/WinControl.h"

#include <memory>
#include <string>

namespace tavrik {

class TFontInstance;
class TPopupMenu;

enum class TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };

// A text-entry control: the edit of the window system, drawn in the plain look. It keeps the
// caret, the selection, one step of undo and the scrolling itself, takes the mouse
// (click, Shift+click, drag, double click on a word) and the keys (arrows, Ctrl+arrows by
// word, Home/End, Shift to select, Backspace/Delete, Ctrl+A, Ctrl+X/C/V/Z, Shift+Del,
// Ctrl+Ins, Shift+Ins) and answers the EM_* messages and WM_CUT/COPY/PASTE/CLEAR/UNDO, so
// that a control built on it can take over any of them in its window procedure. Without a
// PopupMenu a context-menu request opens the edit's own menu (Undo, Cut, Copy, Paste, Delete,
// Select All).
//
// Positions (SelStart, SelLength, the EM_* messages) count characters, not bytes. OnChange
// fires on every change of the text, by the user or by code. A text set from code (Text,
// WM_SETTEXT) is not cut to MaxLength, puts the caret at the start and forgets the undo step.
//
// The same engine runs the multi-line memo (TCustomMemo), which turns on line breaks, word
// wrap and vertical scrolling.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;
    const char* ClassName() const override { return "TCustomEdit"; }

    // Selects the whole text when the control gains the focus other than by a click.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // Typed and pasted text is converted; choosing a case converts the text there is.
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);
    // Shows the selection only while the control has the focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on);
    // Characters the user may enter; 0 means no limit.
    int MaxLength() const { return int(buffer_.MaxLength()); }
    void SetMaxLength(int length);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    // Shown instead of every character; 0 shows the text. Copying is refused while it is set.
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t c);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // Set by every change the user makes, cleared when the text is set from code.
    bool Modified() const { return modified_; }
    void SetModified(bool on) { modified_ = on; }

    int SelStart() const { return int(buffer_.SelStart()); }
    void SetSelStart(int start);
    int SelLength() const { return int(buffer_.SelLength()); }
    void SetSelLength(int length);
    std::string SelText() const;
    // Replaces the selection as typing would (read-only or not), as one undo step.
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return buffer_.CanUndo(); }
    void Undo();
    void ClearUndo() { buffer_.ClearUndo(); }
    void Clear() { SetText({}); }
    int GetTextLen() const { return int(buffer_.Length()); }
    // The caret's character position (the moving end of the selection).
    int CaretPos() const { return int(buffer_.Caret()); }

    // A single-line edit has one line.
    int LineCount() const { return layout_.LineCount(); }
    int FirstVisibleLine() const { return firstLine_; }
    // How far the text is scrolled to the left, in pixels.
    int ScrollX() const { return scrollX_; }
    // Lines that fit the formatting rectangle (at least 1).
    int VisibleLineCount() const;
    int LineHeight() const;
    // The width of a digit, the unit of horizontal scrolling by characters.
    int AverageCharWidth() const;
    // The area text is laid out and drawn in, in client coordinates.
    TRect FormatRect() const;
    // Scrolls by lines (vertical, multi-line only) and pixels (horizontal).
    void ScrollBy(int lines, int pixels);
    // Where the caret's cell of the character position starts, in client coordinates.
    TPoint PosFromChar(int pos) const;
    int CharFromPos(TPoint client) const;

    TNotifyEvent OnChange;

    void DefaultHandler(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void EraseBackground(TCanvas& canvas) override;
    void PaintWindow(TCanvas& canvas) override;
    // Fills the client area; a control that draws its own background under the text
    // replaces it.
    virtual void PaintBackground(TCanvas& canvas);
    // The colour of the text that is not selected: the font's, grey while disabled.
    virtual TColor TextColor() const;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void Resize() override;
    virtual void Change();

    // What the user's characters and deletions do; the masked edit replaces them.
    virtual void InsertText(std::u32string_view text, TEditBuffer::TUndo undo);
    virtual void DeleteText(bool forward, bool word);
    // A text about to become the control's text: the case rule, and for a memo its line breaks.
    virtual std::u32string NormalizeText(std::u32string text) const;
    // Text from the clipboard or EM_REPLACESEL as it can be inserted (a single-line edit
    // keeps its first line).
    virtual std::u32string ClipboardInsertion(std::u32string text) const;

    // Multi-line behaviour, for the memo.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on);
    bool WordWrapping() const { return wordWrap_; }
    void SetWordWrapping(bool on);
    bool WantReturnKeys() const { return wantReturns_; }
    void SetWantReturnKeys(bool on) { wantReturns_ = on; }
    bool WantTabKeys() const { return wantTabs_; }
    void SetWantTabKeys(bool on) { wantTabs_ = on; }
    // Called after the text, its layout or the scroll position changed (the memo updates its
    // scroll bars).
    virtual void ScrollChanged() {}

    TEditBuffer& Buffer() { return buffer_; }
    const TEditBuffer& Buffer() const { return buffer_; }
    const TEditLayout& Layout() const { return layout_; }
    // Puts the buffer's text into the control: Text, OnChange, Modified, scrolling, caret.
    void CommitEdit();
    // After a selection change: scroll the caret into view, move it, repaint.
    void SelectionChanged();

private:
    // Message handlers.
    void WMKeyDown(TMessage& m);
    void WMChar(TMessage& m);
    void WMLButtonDown(TMessage& m);
    void WMLButtonDblClk(TMessage& m);
    void WMMouseMove(TMessage& m);
    void WMTimer(TMessage& m);
    void StopAutoScroll();
    void WMSetFocus(TMessage& m);
    void WMKillFocus(TMessage& m);
    void WMSetText(TMessage& m);
    void WMSize(TMessage& m);
    void WMContextMenu(TMessage& m);
    void BuildContextMenu();
    bool EditMessage(TMessage& m);
    bool ScrollMessage(TMessage& m);

    void TypeChar(char32_t c);
    bool MoveByKey(uint16_t key, bool shift, bool ctrl);
    void MoveCaret(size_t pos, bool extend, bool keepGoal = false);
    bool CanEdit();
    void Relayout();
    void ScrollToCaret();
    void ClampScroll();
    void UpdateCaret();
    int LineX(int line) const;
    int TextTop() const;
    char32_t DisplayChar(char32_t c) const;
    void PaintLine(TCanvas& canvas, int line, int y, bool showSelection);
    std::u32string ApplyCharCase(std::u32string text) const;

    TEditBuffer buffer_;
    TEditLayout layout_;
    std::shared_ptr<TFontInstance> font_;  // the glyphs the layout measured with...
    char32_t laidOutPasswordChar_ = 0;      // ...showing this instead of the text
    bool autoSelect_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool hideSelection_ = true;
    bool readOnly_ = false;
    char32_t passwordChar_ = 0;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool modified_ = false;
    bool multiLine_ = false;
    bool wordWrap_ = false;
    bool wantReturns_ = true;
    bool wantTabs_ = false;

    bool committing_ = false; // the text comes from the buffer
    bool mouseFocusing_ = false;
    bool selecting_ = false;  // the left button is down and drags the selection
    bool autoScrolling_ = false; // ...outside the text, and a timer scrolls towards the pointer
    int goalX_ = -1;          // the x that Up and Down keep, -1 when none
    int firstLine_ = 0;
    int scrollX_ = 0;
    bool caretShown_ = false;
    int leftMargin_ = 1;
    int rightMargin_ = 1;
    bool customRect_ = false;
    TRect formatRect_;
    TPopupMenu* contextMenu_ = nullptr; // owned as a component, built again for every request
};

} // namespace tavrik
