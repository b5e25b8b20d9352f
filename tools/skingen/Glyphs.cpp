#include "Glyphs.h"

#include "Theme.h"

namespace tavrik::skingen {

void CloseGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    float h = s / 2;
    p.Line({cx - h, cy - h}, {cx + h, cy + h}, 1.4f, c);
    p.Line({cx - h, cy + h}, {cx + h, cy - h}, 1.4f, c);
}

void MaximizeGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    float h = s / 2;
    p.RoundFrame({cx - h, cy - h, cx + h, cy + h}, 1.5f, 1.2f, c);
}

void RestoreGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    float h = s / 2 - 1;
    // The back window shows only its top and right edges.
    p.Line({cx - h + 2, cy - h - 1.4f}, {cx + h + 1.4f, cy - h - 1.4f}, 1.2f, c);
    p.Line({cx + h + 1.4f, cy - h - 1.4f}, {cx + h + 1.4f, cy + h - 2}, 1.2f, c);
    p.RoundFrame({cx - h - 1, cy - h + 1, cx + h - 1, cy + h + 1}, 1.5f, 1.2f, c);
}

void MinimizeGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    float h = s / 2;
    p.Line({cx - h, cy}, {cx + h, cy}, 1.3f, c);
}

void ChevronGlyph(TPainter& p, float cx, float cy, float s, TDirection d, TColor c)
{
    float h = s / 2, q = s / 4;
    switch (d) {
    case TDirection::Up: p.Polyline({{cx - h, cy + q}, {cx, cy - q}, {cx + h, cy + q}}, 1.5f, c); break;
    case TDirection::Down: p.Polyline({{cx - h, cy - q}, {cx, cy + q}, {cx + h, cy - q}}, 1.5f, c); break;
    case TDirection::Left: p.Polyline({{cx + q, cy - h}, {cx - q, cy}, {cx + q, cy + h}}, 1.5f, c); break;
    case TDirection::Right: p.Polyline({{cx - q, cy - h}, {cx + q, cy}, {cx - q, cy + h}}, 1.5f, c); break;
    }
}

void TriangleGlyph(TPainter& p, float cx, float cy, float s, TDirection d, TColor c)
{
    float h = s / 2, q = s / 4;
    switch (d) {
    case TDirection::Up: p.Polygon({{cx - h, cy + q}, {cx, cy - q}, {cx + h, cy + q}}, c); break;
    case TDirection::Down: p.Polygon({{cx - h, cy - q}, {cx + h, cy - q}, {cx, cy + q}}, c); break;
    case TDirection::Left: p.Polygon({{cx + q, cy - h}, {cx + q, cy + h}, {cx - q, cy}}, c); break;
    case TDirection::Right: p.Polygon({{cx - q, cy - h}, {cx + q, cy}, {cx - q, cy + h}}, c); break;
    }
}

void CheckGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    float h = s / 2;
    p.Polyline({{cx - h, cy}, {cx - h / 3, cy + h * 0.7f}, {cx + h, cy - h * 0.6f}}, 1.8f, c);
}

void DotsGlyph(TPainter& p, float cx, float cy, TColor c)
{
    for (int i = -1; i <= 1; ++i) p.Circle({cx + 4.0f * float(i), cy}, 1.2f, c);
}

void TrayGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    float h = s / 2;
    p.Polyline({{cx - h, cy + 1}, {cx - h, cy + h}, {cx + h, cy + h}, {cx + h, cy + 1}}, 1.2f, c);
    p.Line({cx, cy - h}, {cx, cy + 1.5f}, 1.2f, c);
    p.Polyline({{cx - 2.5f, cy - 1}, {cx, cy + 1.5f}, {cx + 2.5f, cy - 1}}, 1.2f, c);
}

void AppGlyph(TPainter& p, float cx, float cy, float s, bool muted)
{
    float h = s / 2;
    TFill fill = muted ? TFill::Solid(theme::kTextDisabled)
                       : TFill::Vertical(theme::kAccent, theme::kAccentDark, cy - h, cy + h);
    p.RoundBox({cx - h, cy - h, cx + h, cy + h}, 3.5f, fill);
    p.Polygon({{cx - h + 3, cy + h - 4}, {cx - 1.5f, cy - 1.5f}, {cx + 1.5f, cy + 1.5f}, {cx + 3, cy},
               {cx + h - 3, cy + h - 4}},
              clWhite);
    p.Circle({cx + 3, cy - 3.5f}, 1.7f, clWhite);
}

void GripGlyph(TPainter& p, float cx, float cy, bool vertical, TColor c)
{
    for (int i = -1; i <= 1; ++i) {
        float d = 3.0f * float(i);
        p.Circle(vertical ? TPointF{cx, cy + d} : TPointF{cx + d, cy}, 0.9f, c);
    }
}

} // namespace tavrik::skingen
