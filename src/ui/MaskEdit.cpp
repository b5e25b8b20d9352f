#include "ui/MaskEdit.h"

#include "core/Exception.h"
#include "core/Utf8.h"
#include "wsys/WinApi.h"

namespace tavrik {

void TCustomMaskEdit::SetEditMask(const std::string& mask)
{
    if (mask == editMask_) return;
    editMask_ = mask;
    mask_ = TEditMask(mask);
    if (IsMasked()) SetMaxLength(0); // the mask fixes the length
    std::string formatted = Utf32ToUtf8(NormalizeText(Utf8ToUtf32(Text())));
    if (formatted != Text()) SetText(formatted);
}

std::u32string TCustomMaskEdit::NormalizeText(std::u32string text) const
{
    if (!IsMasked()) return TCustomEdit::NormalizeText(std::move(text));
    return mask_.Format(text);
}

std::string TCustomMaskEdit::MaskValue() const
{
    if (!IsMasked()) return Text();
    return Utf32ToUtf8(mask_.Value(Buffer().Text()));
}

bool TCustomMaskEdit::IsValidInput() const { return !IsMasked() || mask_.IsComplete(Buffer().Text()); }

void TCustomMaskEdit::ValidateEdit() const
{
    if (!IsValidInput()) throw EConvertError("Invalid input value: \"" + Text() + "\" does not fill the mask");
}

void TCustomMaskEdit::ApplyMasked(std::u32string text, size_t caret)
{
    TEditBuffer& b = Buffer();
    if (text != b.Text()) {
        b.Select(0, b.Length());
        b.ReplaceSelection(text, TEditBuffer::TUndo::NewStep);
        b.Select(caret, caret);
        CommitEdit();
        return;
    }
    b.Select(caret, caret);
    SelectionChanged();
}

void TCustomMaskEdit::InsertText(std::u32string_view text, TEditBuffer::TUndo undo)
{
    if (!IsMasked()) {
        TCustomEdit::InsertText(text, undo);
        return;
    }
    std::u32string shown = Buffer().Text();
    size_t pos = Buffer().SelStart();
    for (size_t i = pos; i < Buffer().SelEnd(); ++i)
        if (mask_.IsInput(i)) shown[i] = mask_.Blank();
    bool refused = false;
    for (char32_t c : text) {
        if (pos < shown.size() && !mask_.IsInput(pos) && mask_.Slot(pos).Literal == c) {
            ++pos; // typing the literal steps over it
            continue;
        }
        size_t slot = mask_.NextInput(pos);
        char32_t accepted = mask_.Accept(slot, c);
        if (!accepted) {
            refused = true;
            break;
        }
        shown[slot] = accepted;
        pos = slot + 1;
    }
    if (refused) MessageBeep(MB_OK);
    ApplyMasked(std::move(shown), mask_.NextInput(pos));
}

void TCustomMaskEdit::DeleteText(bool forward, bool word)
{
    if (!IsMasked()) {
        TCustomEdit::DeleteText(forward, word);
        return;
    }
    std::u32string shown = Buffer().Text();
    size_t start = Buffer().SelStart();
    size_t end = Buffer().SelEnd();
    if (start == end) {
        size_t slot = forward ? mask_.NextInput(start) : mask_.PreviousInput(start);
        if (slot == std::u32string::npos || slot >= shown.size()) return;
        start = slot;
        end = slot + 1;
    }
    for (size_t i = start; i < end; ++i)
        if (mask_.IsInput(i)) shown[i] = mask_.Blank();
    ApplyMasked(std::move(shown), start);
}

} // namespace tavrik
