#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavrik {

// The text of an edit control with its selection and its one step of undo, in characters
// (code points), so that a Chinese character is one caret step like a Latin one.
//
// The selection runs from the anchor (where it started) to the caret (where the keyboard
// moves it). Undo restores the text and selection before the last step; undoing again redoes
// it. Characters typed one after another form one step.
class TEditBuffer {
public:
    // How a change enters the undo history.
    enum class TUndo : unsigned char {
        Typing,  // joins the characters typed just before
        NewStep, // a step of its own (paste, cut, delete of a selection)
        None,    // forgets the history (text set from outside)
    };

    const std::u32string& Text() const { return text_; }
    size_t Length() const { return text_.size(); }
    // Replaces everything: the caret goes to the start and the history is forgotten.
    void SetText(std::u32string text);

    size_t Anchor() const { return anchor_; }
    size_t Caret() const { return caret_; }
    size_t SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    size_t SelEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    size_t SelLength() const { return SelEnd() - SelStart(); }
    bool HasSelection() const { return anchor_ != caret_; }
    std::u32string SelText() const { return text_.substr(SelStart(), SelLength()); }
    // Positions are clamped to the text; any selection change ends the current typing step.
    void Select(size_t anchor, size_t caret);
    void MoveCaret(size_t caret, bool extend) { Select(extend ? anchor_ : caret, caret); }

    // Characters the text may hold; 0 means no limit. Text set from outside may exceed it.
    size_t MaxLength() const { return maxLength_; }
    void SetMaxLength(size_t length) { maxLength_ = length; }

    // Replaces the selection with as much of `text` as the length limit allows and puts the
    // caret after it. Answers whether the text changed; false also when nothing fitted.
    bool ReplaceSelection(std::u32string_view text, TUndo undo);
    // Swaps the text for one of the same meaning (another case), keeping the selection as far
    // as it reaches; forgets the undo step. Not limited by MaxLength.
    void ConvertText(std::u32string text);
    // Deletes the selection, or else the character (word) before or after the caret.
    bool DeleteBackward(bool word);
    bool DeleteForward(bool word);

    bool CanUndo() const { return undo_.has_value(); }
    bool Undo();
    void ClearUndo();

private:
    struct TSnapshot {
        std::u32string text;
        size_t anchor = 0;
        size_t caret = 0;
    };
    void Remember(TUndo undo);

    std::u32string text_;
    size_t anchor_ = 0;
    size_t caret_ = 0;
    size_t maxLength_ = 0;
    std::optional<TSnapshot> undo_;
    bool typing_ = false; // the last step was typing, and more typing joins it
};

// How the word moves and double clicks see characters: runs of one class form a word.
enum class TCharClass : unsigned char { Space, LineBreak, Punctuation, Word };
TCharClass ClassOfChar(char32_t c);
// Ctrl+Left: the start of the word before pos. Ctrl+Right: the start of the next word.
size_t WordLeft(std::u32string_view text, size_t pos);
size_t WordRight(std::u32string_view text, size_t pos);
// The run of one class around the character at pos (the one before it at the end of the
// text, or of a line in a memo), as [first, second).
std::pair<size_t, size_t> WordAt(std::u32string_view text, size_t pos);

// Case mapping of the letters of the Latin, Greek and Cyrillic blocks; others stay.
char32_t UpperCaseChar(char32_t c);
char32_t LowerCaseChar(char32_t c);

} // namespace tavrik
