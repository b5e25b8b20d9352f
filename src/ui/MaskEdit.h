#pragma once

#include "ui/CustomEdit.h"
#include "ui/EditMask.h"

#include <string>

namespace tavrik {

// An edit with an optional input mask (TEditMask). Without a mask it is a plain edit. With
// one, the text always has the mask's length: literals stand in their places, typing
// overwrites the next input place that takes the character (others beep), Backspace and
// Delete blank input places and leave literals, and text from code or the clipboard is
// formatted into the mask. Text is what the control shows (blanks included); MaskValue is
// the value the mask describes.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}
    const char* ClassName() const override { return "TCustomMaskEdit"; }

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    bool IsMasked() const { return !mask_.Empty(); }
    // The text as shown, with literals and blanks.
    const std::string& EditText() const { return Text(); }
    // Blanks as spaces, literals only when the mask saves them; the text itself unmasked.
    std::string MaskValue() const;
    // Every required place is filled (always true unmasked).
    bool IsValidInput() const;
    // Throws EConvertError when a required place is empty.
    void ValidateEdit() const;

protected:
    void InsertText(std::u32string_view text, TEditBuffer::TUndo undo) override;
    void DeleteText(bool forward, bool word) override;
    std::u32string NormalizeText(std::u32string text) const override;

private:
    // Replaces the whole text by one of the same length and puts the caret at pos.
    void ApplyMasked(std::u32string text, size_t caret);

    std::string editMask_;
    TEditMask mask_;
};

// The masked edit as forms place it.
class TMaskEdit : public TCustomMaskEdit {
public:
    explicit TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}
    const char* ClassName() const override { return "TMaskEdit"; }
};

} // namespace tavrik
