#include "ui/EditBuffer.h"

#include <algorithm>

namespace tavrik {

void TEditBuffer::SetText(std::u32string text)
{
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    ClearUndo();
}

void TEditBuffer::ConvertText(std::u32string text)
{
    text_ = std::move(text);
    ClearUndo();
    Select(anchor_, caret_);
}

void TEditBuffer::Select(size_t anchor, size_t caret)
{
    anchor_ = std::min(anchor, text_.size());
    caret_ = std::min(caret, text_.size());
    typing_ = false;
}

void TEditBuffer::Remember(TUndo undo)
{
    if (undo == TUndo::None) {
        ClearUndo();
        return;
    }
    if (undo == TUndo::Typing && typing_ && undo_) return; // the step that is being typed
    undo_ = TSnapshot{text_, anchor_, caret_};
}

bool TEditBuffer::ReplaceSelection(std::u32string_view text, TUndo undo)
{
    size_t start = SelStart();
    size_t kept = text_.size() - SelLength();
    if (maxLength_ > 0) {
        size_t room = maxLength_ > kept ? maxLength_ - kept : 0;
        if (text.size() > room) text = text.substr(0, room);
        if (text.empty() && SelLength() == 0) return false;
    }
    if (text.empty() && SelLength() == 0) return false;
    Remember(undo);
    text_.replace(start, SelLength(), text);
    anchor_ = caret_ = start + text.size();
    typing_ = undo == TUndo::Typing;
    return true;
}

bool TEditBuffer::DeleteBackward(bool word)
{
    if (!HasSelection()) {
        if (caret_ == 0) return false;
        size_t from = word ? WordLeft(text_, caret_) : caret_ - 1;
        bool typing = typing_;
        Select(caret_, from);
        typing_ = typing; // deleting what was just typed stays in the typing step
    }
    return ReplaceSelection({}, TUndo::Typing);
}

bool TEditBuffer::DeleteForward(bool word)
{
    if (!HasSelection()) {
        if (caret_ >= text_.size()) return false;
        size_t to = word ? WordRight(text_, caret_) : caret_ + 1;
        Select(caret_, to);
    }
    return ReplaceSelection({}, TUndo::NewStep);
}

bool TEditBuffer::Undo()
{
    if (!undo_) return false;
    TSnapshot before{text_, anchor_, caret_};
    text_ = std::move(undo_->text);
    anchor_ = undo_->anchor;
    caret_ = undo_->caret;
    undo_ = std::move(before);
    typing_ = false;
    return true;
}

void TEditBuffer::ClearUndo()
{
    undo_.reset();
    typing_ = false;
}

TCharClass ClassOfChar(char32_t c)
{
    if (c == '\n' || c == '\r') return TCharClass::LineBreak;
    if (c == ' ' || c == '\t' || c == 0x3000 || c == 0xA0) return TCharClass::Space;
    bool asciiPunct = (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
                      (c >= '{' && c <= '~');
    bool cjkPunct = (c >= 0x3001 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20) ||
                    (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65);
    bool generalPunct = c >= 0x2000 && c <= 0x206F;
    if (asciiPunct || cjkPunct || generalPunct) return TCharClass::Punctuation;
    return TCharClass::Word;
}

size_t WordLeft(std::u32string_view text, size_t pos)
{
    pos = std::min(pos, text.size());
    if (pos == 0) return 0;
    if (ClassOfChar(text[pos - 1]) == TCharClass::LineBreak) return pos - 1;
    while (pos > 0 && ClassOfChar(text[pos - 1]) == TCharClass::Space) --pos;
    if (pos == 0 || ClassOfChar(text[pos - 1]) == TCharClass::LineBreak) return pos;
    TCharClass cls = ClassOfChar(text[pos - 1]);
    while (pos > 0 && ClassOfChar(text[pos - 1]) == cls) --pos;
    return pos;
}

size_t WordRight(std::u32string_view text, size_t pos)
{
    size_t n = text.size();
    if (pos >= n) return n;
    TCharClass cls = ClassOfChar(text[pos]);
    if (cls == TCharClass::LineBreak) return pos + 1;
    if (cls != TCharClass::Space)
        while (pos < n && ClassOfChar(text[pos]) == cls) ++pos;
    while (pos < n && ClassOfChar(text[pos]) == TCharClass::Space) ++pos;
    return pos;
}

std::pair<size_t, size_t> WordAt(std::u32string_view text, size_t pos)
{
    size_t n = text.size();
    pos = std::min(pos, n);
    if (pos == n || ClassOfChar(text[pos]) == TCharClass::LineBreak) {
        if (pos == 0 || ClassOfChar(text[pos - 1]) == TCharClass::LineBreak) return {pos, pos};
        --pos;
    }
    TCharClass cls = ClassOfChar(text[pos]);
    size_t first = pos;
    size_t last = pos + 1;
    while (first > 0 && ClassOfChar(text[first - 1]) == cls) --first;
    while (last < n && ClassOfChar(text[last]) == cls) ++last;
    return {first, last};
}

namespace {

// Lower-case ranges that map to upper case by a fixed distance.
struct TCaseRange {
    char32_t lowFirst;
    char32_t lowLast;
    char32_t distance;
    char32_t skip; // a code point inside the range that is no letter of the pair, or 0
};

constexpr TCaseRange kCaseRanges[] = {
    {'a', 'z', 0x20, 0},
    {0xE0, 0xFE, 0x20, 0xF7},     // Latin-1 (÷ and × are no letters)
    {0x3B1, 0x3C9, 0x20, 0x3C2},  // Greek (final sigma has no capital of its own)
    {0x430, 0x44F, 0x20, 0},      // Cyrillic
    {0x450, 0x45F, 0x50, 0},      // Cyrillic with marks
};

} // namespace

char32_t UpperCaseChar(char32_t c)
{
    for (const TCaseRange& r : kCaseRanges)
        if (c >= r.lowFirst && c <= r.lowLast && c != r.skip) return c - r.distance;
    if (c >= 0x100 && c <= 0x17F && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        // Latin Extended-A pairs alternate even (capital) and odd (small), shifted by one
        // between U+0139 and U+0148 and from U+0179.
        bool shifted = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        bool small = shifted ? (c % 2 == 0) : (c % 2 == 1);
        return small ? c - 1 : c;
    }
    return c;
}

char32_t LowerCaseChar(char32_t c)
{
    for (const TCaseRange& r : kCaseRanges) {
        char32_t upFirst = r.lowFirst - r.distance;
        char32_t upLast = r.lowLast - r.distance;
        if (c >= upFirst && c <= upLast && c != (r.skip ? r.skip - r.distance : 0)) return c + r.distance;
    }
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x178 && c != 0x17F) {
        bool shifted = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        bool capital = shifted ? (c % 2 == 1) : (c % 2 == 0);
        return capital ? c + 1 : c;
    }
    return c;
}

} // namespace tavrik
