#pragma once

// Used only inside the DeclareKeys implementations: the key's text is the field's name, so a
// field can never be read under another key than the one it is named after.
#define BS_KEY(kind, field, ...) keys.kind(#field, field __VA_OPT__(, ) __VA_ARGS__)

// The four keys of a font, with an optional prefix ("caption", "fixed").
#define BS_FONT_KEYS(prefix)                                                                        \
    do {                                                                                            \
        BS_KEY(String, prefix##fontname, "Arial");                                                  \
        BS_KEY(Int, prefix##fontheight, 14);                                                        \
        BS_KEY(FontStyles, prefix##fontstyle);                                                      \
        BS_KEY(Color, prefix##fontcolor, 0);                                                        \
    } while (false)

// The six rectangles of a pair of arrow buttons, in reading order.
#define BS_ARROW_KEYS()                                                                             \
    do {                                                                                            \
        BS_KEY(Rect, upbuttonrect);                                                                 \
        BS_KEY(Rect, activeupbuttonrect);                                                           \
        BS_KEY(Rect, downupbuttonrect);                                                             \
        BS_KEY(Rect, downbuttonrect);                                                               \
        BS_KEY(Rect, activedownbuttonrect);                                                         \
        BS_KEY(Rect, downdownbuttonrect);                                                           \
    } while (false)
