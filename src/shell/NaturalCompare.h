#pragma once

#include <string_view>

namespace tavrik {

// Orders names as a person expects: ASCII letters without regard to case, runs of digits by
// their numeric value ("file2" before "file10", any length, no overflow), everything else by
// byte value. Bytes of UTF-8 sequences are compared as bytes, which keeps code point order
// but folds no case outside ASCII; Chinese names sort by code point.
// Names that differ only in case or in leading zeros still get a fixed order (fewer zeros
// first, then byte order), so the result is a total order usable for sorting.
// Returns < 0, 0 or > 0.
int CompareNatural(std::string_view a, std::string_view b);

} // namespace tavrik
