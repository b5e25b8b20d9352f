#pragma once

#include "gfx/Bitmap.h"
#include "shell/ShellItem.h"

#include <vector>

namespace tavrik {

// The namespace's own icon artwork, in two parallel image lists (16 and 32 pixels) that share
// their indices, closed and open for every kind.
//
// Transparency convention: every image is a pf24bit bitmap whose background is the key
// colour kShellIconTransparentColor (magenta, which no artwork pixel uses). Its bottom-left
// pixel is always background, so code that takes the transparent colour from that pixel, as
// glyph drawing does, gets the same result.
constexpr TColor kShellIconTransparentColor = clFuchsia;

struct TShellImageList {
    int size = 0; // width and height of every image
    TColor transparentColor = kShellIconTransparentColor;
    std::vector<TBitmap> images;
};

constexpr int kShellIconKindCount = int(TShellIconKind::OtherFile) + 1;

// The index of an icon in both lists. Kinds without an open look of their own (the desktop,
// files) have an open image equal to the closed one.
constexpr int ShellImageIndex(TShellIconKind kind, bool open) { return 2 * int(kind) + (open ? 1 : 0); }

// Drawn once on first use, then shared and never changed.
const TShellImageList& ShellSmallImages(); // 16 x 16
const TShellImageList& ShellLargeImages(); // 32 x 32

// One icon drawn at any size from 8 pixels up.
TBitmap DrawShellIcon(TShellIconKind kind, bool open, int size);

} // namespace tavrik
