#include "Glyphs.h"

#include "Theme.h"

#include <cmath>
#include <string>
#include <vector>

namespace tavrik::skingen {

namespace {

// Rows of a pixel pattern: '#' covers a pixel, '+' is the soft shoulder of a diagonal stroke.
using TPattern = std::vector<std::string>;

constexpr float kShoulder = 0.4f;

void DrawPattern(TPainter& p, float cx, float cy, const TPattern& rows, TColor c)
{
    int width = int(rows.front().size()), height = int(rows.size());
    int left = int(std::lround(cx - float(width) / 2)), top = int(std::lround(cy - float(height) / 2));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            char cell = rows[size_t(y)][size_t(x)];
            if (cell == '#') p.Plot(left + x, top + y, c);
            else if (cell == '+') p.Plot(left + x, top + y, c, kShoulder);
        }
}

// The pattern turned so that what points down points in direction d.
TPattern Turned(const TPattern& down, TDirection d)
{
    size_t w = down.front().size(), h = down.size();
    if (d == TDirection::Down) return down;
    if (d == TDirection::Up) return TPattern(down.rbegin(), down.rend());
    TPattern turned(w, std::string(h, '.'));
    for (size_t y = 0; y < h; ++y)
        for (size_t x = 0; x < w; ++x) {
            // Right: the pattern's rows become columns; left: mirrored.
            size_t column = d == TDirection::Right ? y : h - 1 - y;
            turned[x][column] = down[y][x];
        }
    return turned;
}

const TPattern kCloseLarge = {
    "#+......+#", "+#+....+#+", ".+#+..+#+.", "..+#++#+..", "...+##+...",
    "...+##+...", "..+#++#+..", ".+#+..+#+.", "+#+....+#+", "#+......+#",
};
const TPattern kCloseSmall = {
    "#+....+#", "+#+..+#+", ".+#++#+.", "..+##+..", "..+##+..", ".+#++#+.", "+#+..+#+", "#+....+#",
};
const TPattern kChevronLarge = {"#+.....+#", "+#+...+#+", ".+#+.+#+.", "..+#+#+..", "...+#+..."};
const TPattern kChevronSmall = {"#+...+#", "+#+.+#+", ".+#+#+.", "..+#+.."};

TPattern Square(int size)
{
    TPattern rows(size_t(size), "#" + std::string(size_t(size - 2), '.') + "#");
    rows.front() = rows.back() = std::string(size_t(size), '#');
    return rows;
}

} // namespace

void CloseGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    DrawPattern(p, cx, cy, s >= 10 ? kCloseLarge : kCloseSmall, c);
}

void MaximizeGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    DrawPattern(p, cx, cy, Square(s >= 10 ? 10 : 8), c);
}

void RestoreGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    // The back window shows its top and right edges above and beside the front one.
    const TPattern large = {
        "..########", "..#......#", "########.#", "#......#.#", "#......#.#",
        "#......#.#", "#......#.#", "#......###", "#......#..", "########..",
    };
    const TPattern small = {
        "..######", "..#....#", "######.#", "#....#.#", "#....#.#", "#....###", "#....#..", "######..",
    };
    DrawPattern(p, cx, cy, s >= 10 ? large : small, c);
}

void MinimizeGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    // A line on the lower third of the square the other caption glyphs fill.
    int size = s >= 10 ? 10 : 8;
    TPattern rows(size_t(size), std::string(size_t(size), '.'));
    rows[size_t(size - 3)] = std::string(size_t(size), '#');
    DrawPattern(p, cx, cy, rows, c);
}

void ChevronGlyph(TPainter& p, float cx, float cy, float s, TDirection d, TColor c)
{
    DrawPattern(p, cx, cy, Turned(s >= 9 ? kChevronLarge : kChevronSmall, d), c);
}

void CheckGlyph(TPainter& p, float cx, float cy, float s, TColor c)
{
    float h = s / 2;
    p.Polyline({{cx - h, cy}, {cx - h / 3, cy + h * 0.7f}, {cx + h, cy - h * 0.6f}}, 1.8f, c);
}

void DotsGlyph(TPainter& p, float cx, float cy, TColor c)
{
    DrawPattern(p, cx, cy, {"##..##..##", "##..##..##"}, c);
}

void TrayGlyph(TPainter& p, float cx, float cy, float, TColor c)
{
    DrawPattern(p, cx, cy,
                {"....#....", "....#....", "....#....", ".#+.#.+#.", ".+#+#+#+.", "..+###+..", "...+#+...",
                 ".........", "#.......#", "#########"},
                c);
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

} // namespace tavrik::skingen
