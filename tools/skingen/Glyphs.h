#pragma once

#include "Painter.h"

namespace tavrik::skingen {

// Small glyphs centred on (cx, cy). The line glyphs sit on whole pixels, drawn from pixel
// patterns rather than from geometry, so that every stroke is equally crisp at 1x; s picks
// the size (the glyph's width in pixels, rounded down to the nearest drawn size).
enum class TDirection { Up, Down, Left, Right };

void CloseGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void MaximizeGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void RestoreGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void MinimizeGlyph(TPainter& p, float cx, float cy, float s, TColor c);
// Every arrow of the skin is a chevron: scroll bars, spin buttons, drop-downs, roll buttons.
void ChevronGlyph(TPainter& p, float cx, float cy, float s, TDirection d, TColor c);
void CheckGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void DotsGlyph(TPainter& p, float cx, float cy, TColor c);
void TrayGlyph(TPainter& p, float cx, float cy, float s, TColor c);
// The program's sign: a rounded accent square holding a small landscape picture.
void AppGlyph(TPainter& p, float cx, float cy, float s, bool muted = false);

} // namespace tavrik::skingen
