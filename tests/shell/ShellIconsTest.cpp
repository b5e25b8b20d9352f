#include "shell/ShellIcons.h"

#include <gtest/gtest.h>

#include <set>

using namespace tavrik;

namespace {

int OpaquePixels(const TBitmap& icon)
{
    int count = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x) count += icon.GetPixel(x, y) != kShellIconTransparentColor;
    return count;
}

bool HasOwnOpenLook(TShellIconKind kind)
{
    return kind == TShellIconKind::Folder || kind == TShellIconKind::Home || kind == TShellIconKind::Drive ||
           kind == TShellIconKind::Computer;
}

} // namespace

TEST(ShellIcons, ListsHoldEveryKindClosedAndOpenAtTheirSize)
{
    for (const TShellImageList* list : {&ShellSmallImages(), &ShellLargeImages()}) {
        SCOPED_TRACE(list->size);
        ASSERT_EQ(list->images.size(), size_t(2 * kShellIconKindCount));
        EXPECT_EQ(list->transparentColor, clFuchsia);
        for (const TBitmap& icon : list->images) {
            EXPECT_EQ(icon.Width(), list->size);
            EXPECT_EQ(icon.Height(), list->size);
            EXPECT_EQ(icon.PixelFormat(), TPixelFormat::pf24bit);
            // Glyph drawing takes the transparent colour from the bottom-left pixel.
            EXPECT_EQ(icon.GetPixel(0, list->size - 1), kShellIconTransparentColor);
            int opaque = OpaquePixels(icon), area = list->size * list->size;
            EXPECT_GT(opaque, area / 4);
            EXPECT_LT(opaque, area);
        }
    }
    EXPECT_EQ(&ShellSmallImages(), &ShellSmallImages());
}

TEST(ShellIcons, EveryImageIsDistinctExceptPlainOpenLooks)
{
    for (const TShellImageList* list : {&ShellSmallImages(), &ShellLargeImages()}) {
        SCOPED_TRACE(list->size);
        for (int a = 0; a < kShellIconKindCount; ++a) {
            TShellIconKind kind = TShellIconKind(a);
            const TBitmap& closed = list->images[ShellImageIndex(kind, false)];
            const TBitmap& open = list->images[ShellImageIndex(kind, true)];
            EXPECT_EQ(closed == open, !HasOwnOpenLook(kind)) << a;
            for (int b = a + 1; b < kShellIconKindCount; ++b)
                EXPECT_FALSE(closed == list->images[ShellImageIndex(TShellIconKind(b), false)]) << a << " " << b;
        }
    }
}

TEST(ShellIcons, ArtworkScalesToOtherSizes)
{
    for (int size : {8, 16, 24, 32, 48}) {
        SCOPED_TRACE(size);
        for (int kind = 0; kind < kShellIconKindCount; ++kind) {
            TBitmap icon = DrawShellIcon(TShellIconKind(kind), true, size);
            EXPECT_EQ(icon.Width(), size);
            EXPECT_EQ(icon.GetPixel(0, size - 1), kShellIconTransparentColor);
            EXPECT_GT(OpaquePixels(icon), size * size / 5);
        }
    }
    // The folder's closed look at 32 pixels: outlined, lighter at the top than at the bottom.
    const TBitmap& folder = ShellLargeImages().images[ShellImageIndex(TShellIconKind::Folder, false)];
    EXPECT_EQ(folder.GetPixel(3, 20), RGB(146, 100, 24));
    EXPECT_EQ(folder.GetPixel(28, 20), RGB(146, 100, 24));
    EXPECT_EQ(folder.GetPixel(16, 1), kShellIconTransparentColor);
    EXPECT_GT(GetGValue(folder.GetPixel(16, 14)), GetGValue(folder.GetPixel(16, 25)));
}
