#include "ui/NumberRules.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tavrik {

double TNumberRules::Clamp(double v) const
{
    if (!Float)
        v = std::clamp(v, double(std::numeric_limits<int32_t>::min()), double(std::numeric_limits<int32_t>::max()));
    if (MinValue == MaxValue) return v;
    if (v < MinValue) return MinValue;
    if (v > MaxValue) return MaxValue;
    return v;
}

std::string TNumberRules::Format(double v) const
{
    if (!Float) return std::to_string(Round(v));
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(Decimal, 0, 15), v);
    return text;
}

bool TNumberRules::IsValidText(std::string_view text) const
{
    if (text.empty() || text == "-") return false;
    bool point = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') continue;
        if (c == '-' && i == 0) continue;
        if (c == '.' && Float && !point && i > 0) {
            point = true;
            continue;
        }
        return false;
    }
    return true;
}

bool TNumberRules::IsValidChar(char32_t c, std::string_view text, bool readOnly) const
{
    if (readOnly && (c >= 32 || c == U'\b')) return false;
    if (c < 32) return c != U'\r';
    if (c == U'-') return text.find('-') == std::string_view::npos;
    if (c == U'.') return Float && text.find('.') == std::string_view::npos;
    return c >= U'0' && c <= U'9';
}

double TNumberRules::Parse(std::string_view text) const { return std::strtod(std::string(text).c_str(), nullptr); }

} // namespace tavrik
