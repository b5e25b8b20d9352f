#include "ui/NumericEdit.h"

#include "core/Utf8.h"
#include "ui/NumberRules.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TNumericEdit::TNumericEdit(TComponent* owner) : TEdit(owner)
{
    SetBounds(0, 0, 120, 20);
    SetText("0");
}

namespace {

TNumberRules RulesOf(const TNumericEdit& edit)
{
    return {edit.ValueType() == TNumericValueType::vtFloat, edit.Decimal(), edit.MinValue(), edit.MaxValue()};
}

} // namespace

double TNumericEdit::ClampValue(double v) const { return RulesOf(*this).Clamp(v); }

std::string TNumericEdit::FormatValue(double v) const { return RulesOf(*this).Format(v); }

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

bool TNumericEdit::IsValidText(const std::string& text) const { return RulesOf(*this).IsValidText(text); }

bool TNumericEdit::IsValidChar(char32_t c) const { return RulesOf(*this).IsValidChar(c, Text(), ReadOnly()); }

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
    double v = RulesOf(*this).Parse(after);
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
    if (!writing_ && IsValidText(Text())) value_ = ClampValue(RulesOf(*this).Parse(Text()));
    TEdit::Change();
}

} // namespace tavrik
