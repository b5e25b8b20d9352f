#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// Formatting flags of TCanvas::DrawText, with the values of the Windows call the controls'
// code was written against.
enum TDrawTextFlags : unsigned {
    DT_LEFT = 0x0,
    DT_TOP = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
};

struct TTextLine {
    std::string text;
    // Byte offset in text of the character marked by "&" (drawn underlined), or -1.
    int accelerator = -1;
};

// Breaks text into the lines DrawText draws: at line breaks (unless DT_SINGLELINE), at
// spaces where a line would pass maxWidth (DT_WORDBREAK; a longer word keeps a line of its
// own), cut with "..." where a line passes maxWidth (DT_END_ELLIPSIS). Unless DT_NOPREFIX,
// "&x" marks x as the accelerator and "&&" is a literal "&".
std::vector<TTextLine> LayoutText(std::string_view text, unsigned flags, int maxWidth,
                                  const std::function<int(std::string_view)>& measure);

} // namespace tavrik
