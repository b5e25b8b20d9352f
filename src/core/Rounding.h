#pragma once

#include <cmath>
#include <cstdint>

namespace tavrik {

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int64_t Round(double x)
{
    return static_cast<int64_t>(std::nearbyint(x));
}

// Truncation toward zero, for both conversions and integer division ("div").
inline int64_t Trunc(double x) { return static_cast<int64_t>(std::trunc(x)); }
constexpr int64_t Div(int64_t a, int64_t b) { return a / b; }
constexpr int64_t Mod(int64_t a, int64_t b) { return a % b; }

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0.
constexpr int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0) return -1;
    int64_t p = int64_t(a) * b;
    bool negative = (p < 0) != (c < 0);
    int64_t q = ((p < 0 ? -p : p) + (c < 0 ? -int64_t(c) : c) / 2) / (c < 0 ? -int64_t(c) : c);
    return int32_t(negative ? -q : q);
}

} // namespace tavrik
