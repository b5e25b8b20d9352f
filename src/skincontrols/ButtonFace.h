#pragma once

#include <cstdint>

namespace tavrik {

// Which of its images a skinned button shows for its state.
enum class TButtonFace : uint8_t {
    Normal,   // skinrect
    Active,   // activeskinrect: hot or focused
    Down,     // downskinrect, caption and glyph pressed
    Disabled, // disabledskinrect
    Morph,    // between Normal and Active, by the morph level
    Bare,     // no background: glyph and caption straight on the parent (transparent speed button)
};

// The plain look's element: a frame and fill of the shared plain colours.
enum class TPlainFace : uint8_t { Normal, Hot, Pressed, FaceOnly, Bare };

struct TButtonLook {
    bool Enabled = true;
    bool Down = false;
    bool Hovered = false;
    bool Focused = false; // has the focus and may have it
    bool MouseHeld = false;
    bool Grouped = false;
    bool Morphing = false; // the skin morphs (and, for a speed button, it is not transparent)
    double MorphLevel = 0;
    bool HasDisabledImage = false;
    bool Transparent = false; // speed buttons
    bool Flat = false;        // speed buttons
};

//   push button, first match      | face         speed button, first match  | face
//   ------------------------------+---------     ---------------------------+---------
//   morphing, 0 < level < 1,      | Morph        morphing, 0 < level < 1    | Morph
//     enabled                     |              down and (hovered or       | Down
//   disabled with its own image   | Disabled       grouped)                 |
//   down and (hovered, or focused | Down         hovered, or morphing at 1  | Active
//     and not held, or grouped)   |              transparent                | Bare
//   focused or hovered            | Active       disabled with its image    | Disabled
//   morphing at level 1           | Active       otherwise                  | Normal
//   otherwise                     | Normal
TButtonFace PushButtonFace(const TButtonLook& look);
TButtonFace SpeedButtonFace(const TButtonLook& look);

// The plain look by the same rules without morphs and images: pressed, hot or normal; an
// idle flat speed button shows only the button face, or nothing when also transparent.
TPlainFace PlainPushButtonFace(const TButtonLook& look);
TPlainFace PlainSpeedButtonFace(const TButtonLook& look);

} // namespace tavrik
