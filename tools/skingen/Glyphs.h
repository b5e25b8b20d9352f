#pragma once

#include "Painter.h"

namespace tavrik::skingen {

// Small line glyphs centred on (cx, cy); s is the glyph's size in pixels.
enum class TDirection { Up, Down, Left, Right };

void CloseGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void MaximizeGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void RestoreGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void MinimizeGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void ChevronGlyph(TPainter& p, float cx, float cy, float s, TDirection d, TColor c);
void TriangleGlyph(TPainter& p, float cx, float cy, float s, TDirection d, TColor c);
void CheckGlyph(TPainter& p, float cx, float cy, float s, TColor c);
void DotsGlyph(TPainter& p, float cx, float cy, TColor c);
void TrayGlyph(TPainter& p, float cx, float cy, float s, TColor c);
// The program's sign: a rounded accent square holding a small landscape picture.
void AppGlyph(TPainter& p, float cx, float cy, float s, bool muted = false);
void GripGlyph(TPainter& p, float cx, float cy, bool vertical, TColor c);

} // namespace tavrik::skingen
