#include "ui/Font.h"

#include "core/Rounding.h"

namespace tavrik {

TFont& TFont::operator=(const TFont& other)
{
    Assign(other);
    return *this;
}

void TFont::Changed()
{
    if (OnChange) OnChange();
}

void TFont::SetName(const std::string& name)
{
    if (name == spec_.Name) return;
    spec_.Name = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == spec_.Height) return;
    spec_.Height = height;
    Changed();
}

int TFont::Size() const { return -MulDiv(spec_.Height, 72, 96); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::SetStyle(TFontStyles style)
{
    if (style == spec_.Style) return;
    spec_.Style = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == spec_.Color) return;
    spec_.Color = color;
    Changed();
}

void TFont::SetOrientation(int tenthsOfDegree)
{
    if (tenthsOfDegree == spec_.Orientation) return;
    spec_.Orientation = tenthsOfDegree;
    Changed();
}

void TFont::SetCharset(int charset)
{
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::Assign(const TFont& other)
{
    if (*this == other) return;
    spec_ = other.spec_;
    charset_ = other.charset_;
    Changed();
}

void TFont::SetSpec(const TFontSpec& spec)
{
    if (spec == spec_) return;
    spec_ = spec;
    Changed();
}

} // namespace tavrik
