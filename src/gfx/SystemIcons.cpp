#include "gfx/SystemIcons.h"

#include "gfx/SmoothIconPainter.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>

namespace tavrik {

namespace {

using namespace shapes;

constexpr double kDegree = std::numbers::pi / 180;

// Artwork coordinates run from 0 to 1 across the icon.
struct TScale {
    double size;
    TVec2 operator()(double x, double y) const { return {x * size, y * size}; }
    double operator()(double length) const { return length * size; }
    // The width of the darker rim: one pixel at 32 x 32, growing with the size.
    double Rim() const { return std::max(1.0, size / 32); }
};

// A round badge with a darker rim and a light-to-dark body, as message icons are drawn.
void RoundBadge(TSmoothIconPainter& p, const TScale& u, TColor rim, TColor light, TColor dark)
{
    p.Fill(Circle(u(0.5, 0.5), u(0.47)), rim);
    p.Fill(Circle(u(0.5, 0.5), u(0.47) - u.Rim()), light, dark, u(0.03), u(0.97));
}

void PaintInformation(TSmoothIconPainter& p, const TScale& u)
{
    RoundBadge(p, u, RGB(26, 95, 180), RGB(98, 160, 234), RGB(28, 113, 216));
    p.Fill(Union({Circle(u(0.5, 0.28), u(0.075)), Capsule(u(0.5, 0.45), u(0.5, 0.74), u(0.062))}), clWhite);
}

void PaintQuestion(TSmoothIconPainter& p, const TScale& u)
{
    RoundBadge(p, u, RGB(26, 95, 180), RGB(98, 160, 234), RGB(28, 113, 216));
    double w = u(0.06);
    TVec2 hookEnd = u(0.5 + 0.13 * std::cos(-60 * kDegree), 0.38 + 0.13 * std::sin(60 * kDegree));
    p.Fill(Union({Arc(u(0.5, 0.38), u(0.13), -60 * kDegree, 165 * kDegree, w), Capsule(hookEnd, u(0.5, 0.56), w),
                  Capsule(u(0.5, 0.56), u(0.5, 0.61), w), Circle(u(0.5, 0.76), u(0.068))}),
           clWhite);
}

void PaintError(TSmoothIconPainter& p, const TScale& u)
{
    RoundBadge(p, u, RGB(165, 29, 45), RGB(246, 97, 81), RGB(224, 27, 36));
    double w = u(0.066);
    p.Fill(Union({Capsule(u(0.34, 0.34), u(0.66, 0.66), w), Capsule(u(0.66, 0.34), u(0.34, 0.66), w)}), clWhite);
}

void PaintWarning(TSmoothIconPainter& p, const TScale& u)
{
    double round = u(0.07);
    std::vector<TVec2> triangle = {u(0.5, 0.13), u(0.89, 0.83), u(0.11, 0.83)};
    p.Fill(Polygon(triangle, round), RGB(200, 136, 0));
    p.Fill(Polygon(triangle, round - u.Rim()), RGB(248, 228, 92), RGB(245, 194, 17), u(0.06), u(0.9));
    TColor ink = RGB(46, 52, 54);
    p.Fill(Union({Capsule(u(0.5, 0.38), u(0.5, 0.6), u(0.058)), Circle(u(0.5, 0.73), u(0.064))}), ink);
}

// A framed photograph with a badge: the program makes pictures smaller.
void PaintApplication(TSmoothIconPainter& p, const TScale& u)
{
    double rim = u.Rim();
    p.Fill(RoundedBox(u(0.04, 0.1), u(0.96, 0.88), u(0.12)), RGB(61, 56, 70));
    p.Fill(RoundedBox({u(0.04) + rim, u(0.1) + rim}, {u(0.96) - rim, u(0.88) - rim}, u(0.12) - rim), RGB(250, 250, 250));
    TDistanceShape photo = RoundedBox(u(0.13, 0.19), u(0.87, 0.79), u(0.04));
    p.Fill(photo, RGB(153, 193, 241), RGB(98, 160, 234), u(0.19), u(0.79));
    p.Fill(Intersection(Circle(u(0.64, 0.36), u(0.085)), photo), RGB(246, 211, 45));
    std::vector<TVec2> hills = {u(0.1, 0.82), u(0.1, 0.64), u(0.34, 0.43), u(0.52, 0.62),
                                u(0.64, 0.52), u(0.9, 0.74), u(0.9, 0.82)};
    p.Fill(Intersection(Polygon(hills), photo), RGB(87, 227, 137), RGB(38, 162, 105), u(0.45), u(0.8));

    // At 16 x 16 the badge would be a blur; the photograph alone reads better there.
    if (u.size < 24) return;
    TVec2 centre = u(0.76, 0.74);
    p.Fill(Circle(centre, u(0.22)), RGB(198, 70, 0));
    p.Fill(Circle(centre, u(0.22) - rim), RGB(255, 163, 72), RGB(230, 97, 0), u(0.52), u(0.96));
    // A downward arrow: the picture gets smaller.
    double w = u(0.04);
    std::vector<TVec2> head = {{centre.x - u(0.1), centre.y + u(0.0)}, {centre.x + u(0.1), centre.y + u(0.0)},
                               {centre.x, centre.y + u(0.11)}};
    p.Fill(Union({Capsule({centre.x, centre.y - u(0.11)}, {centre.x, centre.y + u(0.02)}, w), Polygon(head, u(0.012))}),
           clWhite);
}

TBitmap Paint(TSystemIcon icon, int size)
{
    TSmoothIconPainter painter(size);
    TScale u{double(size)};
    switch (icon) {
    case TSystemIcon::Information: PaintInformation(painter, u); break;
    case TSystemIcon::Warning: PaintWarning(painter, u); break;
    case TSystemIcon::Error: PaintError(painter, u); break;
    case TSystemIcon::Question: PaintQuestion(painter, u); break;
    case TSystemIcon::Application: PaintApplication(painter, u); break;
    }
    return painter.ToBitmap();
}

} // namespace

const TBitmap& SystemIcon(TSystemIcon icon, int size)
{
    static std::mutex mutex;
    static std::map<std::pair<TSystemIcon, int>, TBitmap> icons;
    size = std::clamp(size, 1, 256);
    std::lock_guard lock(mutex);
    auto key = std::make_pair(icon, size);
    auto it = icons.find(key);
    if (it == icons.end()) it = icons.emplace(key, Paint(icon, size)).first;
    return it->second;
}

} // namespace tavrik
