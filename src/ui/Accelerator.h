#pragma once

#include <string_view>

namespace tavrik {

// The character a caption marks with "&" ("&Open": O), ASCII letters upper-cased, or 0; "&&"
// is a literal "&".
char32_t AcceleratorOf(std::string_view caption);
// Whether a typed character is the caption's accelerator, ASCII letter case ignored.
bool IsAccel(char32_t key, std::string_view caption);

} // namespace tavrik
