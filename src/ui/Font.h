#pragma once

#include "gfx/FontSpec.h"

#include <functional>
#include <string>

namespace tavrik {

// A control's font: a TFontSpec with change notification. Height follows the canvas
// convention (negative: em size in pixels; positive: cell height); Size is in points at
// 96 pixels per inch, so Size 9 is Height -12.
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) : spec_(other.spec_), charset_(other.charset_) {}
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return spec_.Name; }
    void SetName(const std::string& name);
    int Height() const { return spec_.Height; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return spec_.Style; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return spec_.Color; }
    void SetColor(TColor color);
    int Orientation() const { return spec_.Orientation; }
    void SetOrientation(int tenthsOfDegree);
    // Kept for the skins that store one; text is UTF-8 whatever it says.
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // Takes every value of the other font; OnChange fires once when anything changed.
    void Assign(const TFont& other);
    const TFontSpec& Spec() const { return spec_; }
    void SetSpec(const TFontSpec& spec);

    bool operator==(const TFont& other) const { return spec_ == other.spec_ && charset_ == other.charset_; }

    std::function<void()> OnChange;

private:
    void Changed();

    TFontSpec spec_;
    int charset_ = 1; // DEFAULT_CHARSET
};

} // namespace tavrik
