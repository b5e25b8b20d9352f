#pragma once

#include "gfx/FontRequest.h"

#include <functional>
#include <string>

namespace tavrik {

// A control's font: a TFontRequest with change notification. Height follows the canvas
// convention (negative: em size in pixels; positive: cell height); Size is in points at
// 96 pixels per inch, so Size 9 is Height -12.
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other) : request_(other.request_), charset_(other.charset_) {}
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return request_.Name; }
    void SetName(const std::string& name);
    int Height() const { return request_.Height; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return request_.Style; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return request_.Color; }
    void SetColor(TColor color);
    int Orientation() const { return request_.Orientation; }
    void SetOrientation(int tenthsOfDegree);
    // Kept for the skins that store one; text is UTF-8 whatever it says.
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // Takes every value of the other font; OnChange fires once when anything changed.
    void Assign(const TFont& other);
    const TFontRequest& Request() const { return request_; }
    void SetRequest(const TFontRequest& request);

    bool operator==(const TFont& other) const { return request_ == other.request_ && charset_ == other.charset_; }

    std::function<void()> OnChange;

private:
    void Changed();

    TFontRequest request_;
    int charset_ = 1; // DEFAULT_CHARSET
};

} // namespace tavrik
