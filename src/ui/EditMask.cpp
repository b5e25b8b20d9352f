#include "ui/EditMask.h"

#include "core/Utf8.h"
#include "ui/EditBuffer.h"

namespace tavrik {

namespace {

bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

// Letters are what has a case, and every character of the scripts without one beyond ASCII
// (a Chinese character is a letter to a mask).
bool IsLetter(char32_t c)
{
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return ClassOfChar(c) == TCharClass::Word;
}

} // namespace

TEditMask::TEditMask(std::string_view mask)
{
    std::u32string text = Utf8ToUtf32(mask);
    // The fields after the last two unescaped ';' are the save flag and the blank.
    std::vector<size_t> separators;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') ++i;
        else if (text[i] == ';') separators.push_back(i);
    }
    size_t end = text.size();
    if (separators.size() >= 2) {
        size_t first = separators[separators.size() - 2];
        size_t second = separators.back();
        std::u32string save = text.substr(first + 1, second - first - 1);
        saveLiterals_ = save != U"0";
        if (second + 1 < text.size()) blank_ = text[second + 1];
        end = first;
    } else if (separators.size() == 1) {
        saveLiterals_ = text.substr(separators[0] + 1) != U"0";
        end = separators[0];
    }
    TCase current = TCase::Keep;
    for (size_t i = 0; i < end; ++i) {
        char32_t c = text[i];
        TSlot slot;
        slot.Case = current;
        switch (c) {
        case '>':
            current = i + 1 < end && text[i + 1] == '<' ? (++i, TCase::Keep) : TCase::Upper;
            continue;
        case '<':
            current = i + 1 < end && text[i + 1] == '>' ? (++i, TCase::Keep) : TCase::Lower;
            continue;
        case '!': continue;
        case '\\':
            if (++i >= end) continue;
            slot.Literal = text[i];
            break;
        case '_': slot.Literal = ' '; break;
        case '0': slot.Kind = TSlotKind::Digit; slot.Required = true; break;
        case '9': slot.Kind = TSlotKind::Digit; break;
        case '#': slot.Kind = TSlotKind::DigitOrSign; break;
        case 'L': slot.Kind = TSlotKind::Letter; slot.Required = true; break;
        case 'l': slot.Kind = TSlotKind::Letter; break;
        case 'A': slot.Kind = TSlotKind::LetterOrDigit; slot.Required = true; break;
        case 'a': slot.Kind = TSlotKind::LetterOrDigit; break;
        case 'C': slot.Kind = TSlotKind::Any; slot.Required = true; break;
        case 'c': slot.Kind = TSlotKind::Any; break;
        default: slot.Literal = c; break;
        }
        slots_.push_back(slot);
    }
}

char32_t TEditMask::Accept(size_t i, char32_t c) const
{
    if (!IsInput(i) || c < 0x20) return 0;
    const TSlot& slot = slots_[i];
    bool fits = false;
    switch (slot.Kind) {
    case TSlotKind::Digit: fits = IsDigit(c); break;
    case TSlotKind::DigitOrSign: fits = IsDigit(c) || c == '+' || c == '-'; break;
    case TSlotKind::Letter: fits = IsLetter(c); break;
    case TSlotKind::LetterOrDigit: fits = IsLetter(c) || IsDigit(c); break;
    case TSlotKind::Any: fits = true; break;
    case TSlotKind::Literal: break;
    }
    if (!fits) return 0;
    if (slot.Case == TCase::Upper) return UpperCaseChar(c);
    if (slot.Case == TCase::Lower) return LowerCaseChar(c);
    return c;
}

size_t TEditMask::NextInput(size_t pos) const
{
    while (pos < slots_.size() && !IsInput(pos)) ++pos;
    return pos < slots_.size() ? pos : slots_.size();
}

size_t TEditMask::PreviousInput(size_t pos) const
{
    pos = pos > slots_.size() ? slots_.size() : pos;
    while (pos > 0) {
        --pos;
        if (IsInput(pos)) return pos;
    }
    return std::u32string::npos;
}

std::u32string TEditMask::Format(std::u32string_view text) const
{
    std::u32string shown;
    size_t p = 0;
    for (size_t i = 0; i < slots_.size(); ++i) {
        const TSlot& slot = slots_[i];
        if (slot.Kind == TSlotKind::Literal) {
            if (p < text.size() && text[p] == slot.Literal) ++p;
            shown += slot.Literal;
            continue;
        }
        char32_t c = p < text.size() ? Accept(i, text[p]) : 0;
        if (p < text.size()) ++p;
        shown += c ? c : blank_;
    }
    return shown;
}

std::u32string TEditMask::Value(std::u32string_view shown) const
{
    std::u32string value;
    for (size_t i = 0; i < slots_.size() && i < shown.size(); ++i) {
        if (!IsInput(i) && !saveLiterals_) continue;
        value += IsInput(i) && shown[i] == blank_ ? U' ' : shown[i];
    }
    return value;
}

bool TEditMask::IsComplete(std::u32string_view shown) const
{
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].Required && (i >= shown.size() || shown[i] == blank_)) return false;
    return true;
}

} // namespace tavrik
