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
    if (name == request_.Name) return;
    request_.Name = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == request_.Height) return;
    request_.Height = height;
    Changed();
}

int TFont::Size() const { return -MulDiv(request_.Height, 72, 96); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::SetStyle(TFontStyles style)
{
    if (style == request_.Style) return;
    request_.Style = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == request_.Color) return;
    request_.Color = color;
    Changed();
}

void TFont::SetOrientation(int tenthsOfDegree)
{
    if (tenthsOfDegree == request_.Orientation) return;
    request_.Orientation = tenthsOfDegree;
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
    request_ = other.request_;
    charset_ = other.charset_;
    Changed();
}

void TFont::SetRequest(const TFontRequest& request)
{
    if (request == request_) return;
    request_ = request;
    Changed();
}

} // namespace tavrik
