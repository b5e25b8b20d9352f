#include "ui/NumericEdit.h"

#include "core/Rounding.h"
#include "core/Utf8.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tavrik {

TNumericEdit::TNumericEdit(TComponent* owner) : TEdit(owner)
{
    SetBounds(0, 0, 120, 20);
    SetText("0");
}

double TNumericEdit::ClampValue(double v) const
{
    if (minValue_ == maxValue_) return v;
    if (v < minValue_) return minValue_;
    if (v > maxValue_) return maxValue_;
    return v;
}

std::string TNumericEdit::FormatValue(double v) const
{
    if (valueType_ == TNumericValueType::vtInteger) return std::to_string(Round(v));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(decimal_, 0, 15), v);
    return text;
}

void TNumericEdit::SetValue(double v)
{
    value_ = ClampValue(v);
    std::string text = FormatValue(value_);
    if (text == Text()) {
        Change();
        return;
    }
    writing_ = true;
    auto alive = Guard();
    SetText(text);
    if (alive) writing_ = false;
}

bool TNumericEdit::IsValidText(const std::string& text) const
{
    if (text.empty() || text == "-") return false;
    bool point = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') continue;
        if (c == '-' && i == 0) continue;
        if (c == '.' && valueType_ == TNumericValueType::vtFloat && !point && i > 0) {
            point = true;
            continue;
        }
        return false;
    }
    return true;
}

bool TNumericEdit::IsValidChar(char32_t c) const
{
    if (c < 32) return c != U'\r';
    if (ReadOnly()) return false;
    const std::string& text = Text();
    if (c == U'-') return text.find('-') == std::string::npos;
    if (c == U'.') return valueType_ == TNumericValueType::vtFloat && text.find('.') == std::string::npos;
    return c >= U'0' && c <= U'9';
}

std::string TNumericEdit::TextAfterTyping(char32_t c) const
{
    std::u32string text = Utf8ToUtf32(Text());
    size_t start = size_t(std::max(0, SelStart()));
    size_t length = size_t(std::max(0, SelLength()));
    if (start > text.size()) start = text.size();
    text.replace(start, std::min(length, text.size() - start), 1, c);
    return Utf32ToUtf8(text);
}

void TNumericEdit::KeyPress(char32_t& key)
{
    if (!IsValidChar(key)) {
        key = 0;
        MessageBeep(0);
        return;
    }
    TEdit::KeyPress(key);
    if (key < 32) return;
    // A number beyond the range is replaced by the bound as it is typed.
    std::string after = TextAfterTyping(key);
    if (!IsValidText(after)) return;
    double v = std::strtod(after.c_str(), nullptr);
    double clamped = ClampValue(v);
    if (clamped == v) return;
    key = 0;
    value_ = clamped;
    writing_ = true;
    auto alive = Guard();
    SetText(FormatValue(clamped));
    if (!alive) return;
    writing_ = false;
    SetSelStart(GetTextLen());
}

void TNumericEdit::Change()
{
    if (!writing_ && IsValidText(Text())) value_ = ClampValue(std::strtod(Text().c_str(), nullptr));
    TEdit::Change();
}

} // namespace tavrik
