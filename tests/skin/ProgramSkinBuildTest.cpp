// The program's own skin drawn by the builders: at the skin's own size every element must
// come out exactly as drawn in its picture, and every window shape exactly as its mask.
#include "skin/DataSkinControl.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinKeys.h"
#include "skin/SkinRegions.h"
#include "skin/StoredSkin.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::test;

namespace {

class ProgramSkinBuild : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto stored = std::make_unique<TbsStoredSkin>();
        LoadProgramSkin(*stored);
        data_ = std::make_unique<TbsSkinData>();
        data_->ApplyStoredSkin(*stored);
    }
    static void TearDownTestSuite() { data_.reset(); }

    static TbsSkinData& Data() { return *data_; }
    static const TBitmap* Picture(int32_t index)
    {
        return index >= 0 && size_t(index) < data_->activepictures.size() ? &data_->activepictures[size_t(index)]
                                                                          : nullptr;
    }

private:
    static std::unique_ptr<TbsSkinData> data_;
};

std::unique_ptr<TbsSkinData> ProgramSkinBuild::data_;

// The rectangles of a section whose key names an image of the skin rectangle's size.
class TStateRects final : public TbsSkinKeys {
public:
    void Rect(const char* key, TRect& r) override
    {
        std::string k = key;
        if (k.size() >= 8 && k.compare(k.size() - 8, 8, "skinrect") == 0 && !r.IsEmpty()) rects.emplace_back(k, r);
    }

    std::vector<std::pair<std::string, TRect>> rects;
};

TSkinCut CutOf(const TbsDataSkinCustomControl& c)
{
    return {c.lefttoppoint, c.righttoppoint, c.leftbottompoint, c.rightbottompoint, c.clientrect};
}

enum class TResize { Both, Width, Height, None };

// How a control skin is resized, by the points it gives.
TResize ResizeOf(const TSkinCut& cut)
{
    if (cut.RightBottom.x != 0 && cut.RightBottom.y != 0) return TResize::Both;
    if (cut.RightTop != TPoint{}) return TResize::Width;
    if (cut.LeftBottom != TPoint{}) return TResize::Height;
    return TResize::None;
}

// The element at rect built at size the way a control of that resize kind builds it.
TBitmap Build(const TBitmap& picture, const TRect& rect, const TSkinCut& cut, TSize size)
{
    TBitmap dest;
    const TSize own{rect.Width(), rect.Height()};
    switch (ResizeOf(cut)) {
    case TResize::Both:
        BuildSkinImage(picture, rect, cut, size, ResizeSkinCut(cut, own, size), TClientFill::Tile, dest);
        break;
    case TResize::Width:
        BuildHSkinImage(picture, rect, cut.LeftTop.x, own.cx - cut.RightTop.x, size.cx, dest);
        break;
    case TResize::Height:
        BuildVSkinImage(picture, rect, cut.LeftTop.y, own.cy - cut.LeftBottom.y, size.cy, dest);
        break;
    case TResize::None: break;
    }
    return dest;
}

::testing::AssertionResult SameAsPicture(const TBitmap& built, const TBitmap& picture, const TRect& rect,
                                         const TRect& part)
{
    return PixelsMatch(built, [&](int x, int y) {
        return part.Contains(Point(x, y)) ? picture.GetPixel(rect.Left + x, rect.Top + y) : built.GetPixel(x, y);
    });
}

} // namespace

TEST_F(ProgramSkinBuild, ControlImagesRebuildAtTheirOwnSize)
{
    ASSERT_FALSE(Data().NoSkinLoaded());
    int built = 0;
    for (auto& control : Data().SkinControls) {
        auto* custom = dynamic_cast<TbsDataSkinCustomControl*>(control.get());
        const TBitmap* picture = custom ? Picture(custom->pictureindex) : nullptr;
        if (!picture || custom->skinrect.IsEmpty() || ResizeOf(CutOf(*custom)) == TResize::None) continue;
        TStateRects states;
        custom->DeclareKeys(states);
        for (const auto& [key, rect] : states.rects) {
            if (rect.Width() != custom->skinrect.Width() || rect.Height() != custom->skinrect.Height()) continue;
            SCOPED_TRACE(control->IDName + "." + key);
            TBitmap image = Build(*picture, rect, CutOf(*custom), {rect.Width(), rect.Height()});
            EXPECT_TRUE(SameAsPicture(image, *picture, rect, Rect(0, 0, rect.Width(), rect.Height())));
            ++built;
        }
    }
    EXPECT_GE(built, 40);
}

TEST_F(ProgramSkinBuild, ControlImagesKeepCornersAtRandomSizes)
{
    std::mt19937 random(2024);
    int checked = 0;
    for (auto& control : Data().SkinControls) {
        auto* custom = dynamic_cast<TbsDataSkinCustomControl*>(control.get());
        const TBitmap* picture = custom ? Picture(custom->pictureindex) : nullptr;
        if (!picture || custom->skinrect.IsEmpty()) continue;
        const TSkinCut cut = CutOf(*custom);
        const TResize kind = ResizeOf(cut);
        if (kind == TResize::None) continue;
        const TRect r = custom->skinrect;
        for (int trial = 0; trial < 3; ++trial) {
            TSize size{r.Width() + int(random() % 300), r.Height() + int(random() % 200)};
            if (kind == TResize::Width) size.cy = r.Height();
            if (kind == TResize::Height) size.cx = r.Width();
            SCOPED_TRACE(control->IDName + " at " + std::to_string(size.cx) + " x " + std::to_string(size.cy));
            TBitmap image = Build(*picture, r, cut, size);
            ASSERT_EQ(image.Width(), size.cx);
            ASSERT_EQ(image.Height(), size.cy);
            // Whatever the size, the part before the first corner point is the picture's, and
            // the part after the last one is the picture's moved to the new far edge.
            const int dw = size.cx - r.Width();
            const int dh = size.cy - r.Height();
            const int left = cut.LeftTop.x;
            const int top = kind == TResize::Width ? r.Height() : cut.LeftTop.y;
            EXPECT_TRUE(SameAsPicture(image, *picture, r, Rect(0, 0, kind == TResize::Height ? r.Width() : left, top)));
            if (kind != TResize::Height) {
                const int right = cut.RightTop.x;
                const int bottom = kind == TResize::Both ? cut.Client.Top : r.Height();
                for (int y = 0; y < bottom; ++y)
                    for (int x = right; x < r.Width(); ++x)
                        ASSERT_EQ(image.GetPixel(x + dw, y), picture->GetPixel(r.Left + x, r.Top + y)) << x << "," << y;
            }
            if (kind == TResize::Height) {
                for (int y = cut.LeftBottom.y; y < r.Height(); ++y)
                    for (int x = 0; x < r.Width(); ++x)
                        ASSERT_EQ(image.GetPixel(x, y + dh), picture->GetPixel(r.Left + x, r.Top + y)) << x << "," << y;
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 30);
}

TEST_F(ProgramSkinBuild, FrameAndWindowPicturesRebuildAtTheirOwnSize)
{
    const TbsSkinData& d = Data();
    const TBitmap& frame = d.picture;
    ASSERT_FALSE(frame.Empty());
    const TSize own{frame.Width(), frame.Height()};
    const TRect whole = Rect(0, 0, own.cx, own.cy);
    const TSkinCut cut{d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint, d.clientrect};
    {
        SCOPED_TRACE("frame");
        TBitmap image;
        BuildSkinImage(frame, whole, cut, own, cut, TClientFill::Tile, image);
        EXPECT_TRUE(SameAsPicture(image, frame, whole, whole));
        // The frame bands the form draws, stretched or tiled as the skin says.
        TFrameParts parts;
        BuildFrameParts(frame, whole, cut, own, cut, {d.topstretch, d.bottomstretch, d.leftstretch, d.rightstretch},
                        parts);
        ASSERT_EQ(parts.Top.Height(), cut.Client.Top);
        EXPECT_TRUE(SameAsPicture(parts.Top, frame, whole, Rect(0, 0, own.cx, cut.Client.Top)));
        const TRect bottomRows = Rect(0, cut.Client.Bottom, own.cx, own.cy);
        EXPECT_TRUE(SameAsPicture(parts.Bottom, frame, bottomRows, Rect(0, 0, own.cx, bottomRows.Height())));
        const TRect leftColumns = Rect(0, cut.Client.Top, cut.Client.Left, cut.Client.Bottom);
        EXPECT_TRUE(SameAsPicture(parts.Left, frame, leftColumns, Rect(0, 0, leftColumns.Width(), leftColumns.Height())));
        const TRect rightColumns = Rect(cut.Client.Right, cut.Client.Top, own.cx, cut.Client.Bottom);
        EXPECT_TRUE(
            SameAsPicture(parts.Right, frame, rightColumns, Rect(0, 0, rightColumns.Width(), rightColumns.Height())));
    }
    auto window = [&](const char* name, int32_t pictureIndex, const TSkinCut& windowCut, TEdgeStretch stretch) {
        SCOPED_TRACE(name);
        const TBitmap* picture = Picture(pictureIndex);
        ASSERT_TRUE(picture);
        const TRect area = Rect(0, 0, picture->Width(), picture->Height());
        TBitmap image;
        BuildStretchSkinImage(*picture, area, windowCut, {area.Width(), area.Height()}, windowCut, TClientFill::Tile, stretch, image);
        EXPECT_TRUE(SameAsPicture(image, *picture, area, area));
    };
    const TbsDataSkinPopupWindow& p = d.PopupWindowSkin;
    window("popup", p.windowpictureindex,
           {p.lefttoppoint, p.righttoppoint, p.leftbottompoint, p.rightbottompoint, p.itemsrect},
           {p.topstretch, p.bottomstretch, p.leftstretch, p.rightstretch});
    const TbsDataSkinHintWindow& h = d.HintWindowSkin;
    window("hint", h.windowpictureindex,
           {h.lefttoppoint, h.righttoppoint, h.leftbottompoint, h.rightbottompoint, h.clientrect},
           {h.topstretch, h.bottomstretch, h.leftstretch, h.rightstretch});
}

TEST_F(ProgramSkinBuild, WindowShapesAtTheirOwnSizeAreTheMasks)
{
    const TbsSkinData& d = Data();
    {
        SCOPED_TRACE("frame");
        ASSERT_FALSE(d.mask.Empty());
        const TSkinCut cut{d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint, d.maskrectarea};
        std::optional<TRegion> shape = FrameRegionFromMask(d.mask, cut, d.mask.Width(), cut);
        ASSERT_TRUE(shape);
        EXPECT_TRUE(*shape == RegionFromMask(d.mask)->Union(TRegion(d.maskrectarea)));
        EXPECT_FALSE(shape->Contains(Point(0, 0))); // the frame's corners are rounded off
    }
    int shaped = 0;
    for (auto& control : d.SkinControls) {
        auto* custom = dynamic_cast<TbsDataSkinCustomControl*>(control.get());
        const TBitmap* mask = custom ? Picture(custom->maskpictureindex) : nullptr;
        if (!mask) continue;
        SCOPED_TRACE(control->IDName);
        TSkinCut cut = CutOf(*custom);
        // A control resized in one direction shapes its mask with the points of that direction.
        if (ResizeOf(cut) == TResize::Width) cut.LeftBottom = cut.LeftTop, cut.RightBottom = cut.RightTop;
        if (ResizeOf(cut) == TResize::Height) cut.RightTop = cut.LeftTop, cut.RightBottom = cut.LeftBottom;
        std::optional<TRegion> shape = FrameRegionFromMask(*mask, cut, mask->Width(), cut);
        ASSERT_TRUE(shape);
        EXPECT_TRUE(*shape == RegionFromMask(*mask)->Union(TRegion(cut.Client)));
        ++shaped;
    }
    EXPECT_GE(shaped, 3);
}
