#include "ui/Accelerator.h"

#include "core/Utf8.h"

#include <cctype>

namespace tavrik {

namespace {

char32_t UpperAscii(char32_t c) { return c < 128 ? char32_t(std::toupper(int(c))) : c; }

} // namespace

char32_t AcceleratorOf(std::string_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        size_t pos = i + 1;
        return UpperAscii(Utf8Next(caption, pos));
    }
    return 0;
}

bool IsAccel(char32_t key, std::string_view caption)
{
    char32_t accel = AcceleratorOf(caption);
    return accel != 0 && UpperAscii(key) == accel;
}

} // namespace tavrik
