#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// The rules of a number typed into an edit, shared by the plain and the skinned numeric
// edits: which characters may be typed, which texts are numbers, how a value is clamped and
// written back. The decimal separator is ".".
struct TNumberRules {
    bool Float = false;
    int Decimal = 2;       // digits after the separator when a float is written
    double MinValue = 0;   // no clamping while MinValue = MaxValue
    double MaxValue = 0;

    // Integers also stay within 32 bits.
    double Clamp(double v) const;
    // Floats in fixed point with Decimal digits (0 to 15), integers rounded halves to even.
    std::string Format(double v) const;
    // A complete number: not empty, not "-" alone, digits with one "-" in front only and, for
    // floats, one separator not in front.
    bool IsValidText(std::string_view text) const;
    // Whether a typed character may go into the text: digits, "-" and (floats) "." unless
    // the text already holds one, and control characters other than Enter; while read-only
    // no visible character and no Backspace.
    bool IsValidChar(char32_t c, std::string_view text, bool readOnly) const;
    // The value of a valid text, unclamped.
    double Parse(std::string_view text) const;
};

} // namespace tavrik
