#pragma once

#include "ui/Edit.h"

#include <string>

namespace tavrik {

enum class TNumericValueType : uint8_t { vtInteger, vtFloat };

// An edit for a number. Typing accepts only digits, one "-" and (for vtFloat) one "."; a
// refused character beeps. Value follows every valid text, clamped to [MinValue, MaxValue]
// unless the two are equal; a typed number beyond the range is replaced by the bound at once
// (12345 typed with MaxValue 10000 reads 10000). OnChange fires on every change of the text,
// also for intermediate texts such as "-", and once whenever code writes Value.
class TNumericEdit : public TEdit {
public:
    explicit TNumericEdit(TComponent* owner);
    const char* ClassName() const override { return "TNumericEdit"; }

    TNumericValueType ValueType() const { return valueType_; }
    void SetValueType(TNumericValueType type) { valueType_ = type; }
    // Digits after the decimal point when a vtFloat value is written back.
    int Decimal() const { return decimal_; }
    void SetDecimal(int digits) { decimal_ = digits; }
    // Stored only: the current value is not clamped again.
    double MinValue() const { return minValue_; }
    void SetMinValue(double v) { minValue_ = v; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double v) { maxValue_ = v; }
    double Value() const { return value_; }
    void SetValue(double v);

    double ClampValue(double v) const;
    // The text Value is written as.
    std::string FormatValue(double v) const;
    // A complete number: not empty, not "-" alone, "-" only in front, one "." (vtFloat) not in
    // front.
    bool IsValidText(const std::string& text) const;

protected:
    void KeyPress(char32_t& key) override;
    void Change() override;

private:
    bool IsValidChar(char32_t c) const;
    // The text after a typed character replaces the selection.
    std::string TextAfterTyping(char32_t c) const;

    TNumericValueType valueType_ = TNumericValueType::vtInteger;
    int decimal_ = 2;
    double minValue_ = 0;
    double maxValue_ = 0;
    double value_ = 0;
    bool writing_ = false; // Value is being written: the text is not read back
};

} // namespace tavrik
