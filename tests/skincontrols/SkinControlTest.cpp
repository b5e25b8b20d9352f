#include "SkinScene.h"
#include "support/Pictures.h"

#include "gfx/SystemColors.h"
#include "skin/StoredSkin.h"
#include "skincontrols/ControlMorph.h"
#include "skincontrols/GraphicSkinCustomControl.h"
#include "skincontrols/SkinControlGeometry.h"
#include "skincontrols/SkinCustomControl.h"
#include "ui/Panel.h"
#include "ui/WndHookChain.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// One picture of 20 x 10 distinct cells, its mask (black but the four corners), and a control
// skin of each way of stretching.
const std::vector<std::string> kSkinText = {
    "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "activepicturescount=2", "[FORMINFO]",
    "clientrect=1,1,2,2", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=6", "0=both:panel",
    "1=horiz:button", "2=vert:panel", "3=fixed:panel", "4=empty:panel", "5=label:stdlabel",
    "[both]", "pictureindex=0", "maskpictureindex=1", "skinrect=0,0,20,10", "lefttoppoint=4,3",
    "righttoppoint=16,3", "leftbottompoint=4,7", "rightbottompoint=16,7", "clientrect=4,3,16,7",
    "[horiz]", "pictureindex=0", "maskpictureindex=1", "skinrect=0,0,20,10", "lefttoppoint=5,0",
    "righttoppoint=15,0", "clientrect=5,2,15,8",
    "[vert]", "pictureindex=0", "skinrect=0,0,20,10", "lefttoppoint=0,3", "leftbottompoint=0,7",
    "clientrect=2,3,18,7",
    "[fixed]", "pictureindex=0", "maskpictureindex=1", "skinrect=2,1,12,9",
    "[empty]", "pictureindex=0", "skinrect=0,0,0,0", "lefttoppoint=4,3", "rightbottompoint=16,7",
    "[label]", "fontname=Arial"};

TBitmap CornerlessMask(int width, int height)
{
    TBitmap mask(width, height);
    mask.Fill(clBlack);
    for (TPoint p : {TPoint{0, 0}, TPoint{width - 1, 0}, TPoint{0, height - 1}, TPoint{width - 1, height - 1}})
        mask.SetPixel(p.x, p.y, clWhite);
    return mask;
}

// The geometry of the control skins above, as a control copies it.
TbsSkinControlGeometry Geometry(TRect skinrect, TPoint lt, TPoint rt, TPoint lb, TPoint rb, TRect client)
{
    TbsSkinControlGeometry g;
    g.skinrect = skinrect;
    g.lefttoppoint = lt;
    g.righttoppoint = rt;
    g.leftbottompoint = lb;
    g.rightbottompoint = rb;
    g.clientrect = client;
    g.StretchMode = TbsSkinControlGeometry::StretchModeOf(skinrect, rt, lb, rb);
    return g;
}

const TbsSkinControlGeometry kBoth = Geometry(Rect(0, 0, 20, 10), {4, 3}, {16, 3}, {4, 7}, {16, 7}, Rect(4, 3, 16, 7));
const TbsSkinControlGeometry kHoriz = Geometry(Rect(0, 0, 20, 10), {5, 0}, {15, 0}, {}, {}, Rect(5, 2, 15, 8));
const TbsSkinControlGeometry kVert = Geometry(Rect(0, 0, 20, 10), {0, 3}, {}, {0, 7}, {}, Rect(2, 3, 18, 7));
const TbsSkinControlGeometry kFixed = Geometry(Rect(2, 1, 12, 9), {}, {}, {}, {}, Rect(1, 1, 5, 5));

class SkinControls : public SkinScene {
protected:
    void SetUp() override { LoadSkin(kSkinText, {test::CoordinatePicture(20, 10), CornerlessMask(20, 10)}); }

    TbsSkinCustomControl* Bound(const std::string& name, TRect bounds = Bounds(10, 10, 75, 25))
    {
        auto* c = Add<TbsSkinCustomControl>(form, bounds, name);
        c->SetSkinData(data);
        ProcessMessages();
        return c;
    }
};

// Counts what the base calls on its descendants.
class TCountingControl : public TbsSkinCustomControl {
public:
    using TbsSkinCustomControl::TbsSkinCustomControl;
    int applied = 0, detached = 0, painted = 0;
    void ApplySkin() override
    {
        ++applied;
        TbsSkinCustomControl::ApplySkin();
    }
    void DetachSkin() override
    {
        ++detached;
        TbsSkinCustomControl::DetachSkin();
    }
    void DrawDefaultImage(TBitmap& bitmap) override
    {
        ++painted;
        TbsSkinCustomControl::DrawDefaultImage(bitmap);
    }
    void DrawSkinImage(TBitmap& bitmap) override
    {
        ++painted;
        TbsSkinCustomControl::DrawSkinImage(bitmap);
    }
};

} // namespace

TEST(SkinControlGeometry, TheFirstCornerPointGivenChoosesHowThePictureStretches)
{
    struct TCase {
        TRect skinrect;
        TPoint rt, lb, rb;
        int mode;
    } cases[] = {
        {Rect(0, 0, 0, 10), {}, {}, {16, 7}, smNoGeometry},
        {Rect(5, 5, 9, 5), {}, {}, {16, 7}, smNoGeometry},
        {Rect(0, 0, 20, 10), {16, 3}, {4, 7}, {16, 7}, smBoth},
        {Rect(0, 0, 20, 10), {15, 0}, {4, 7}, {16, 0}, smHorizontal},
        {Rect(0, 0, 20, 10), {0, 3}, {}, {}, smHorizontal},
        {Rect(0, 0, 20, 10), {}, {0, 7}, {0, 9}, smVertical},
        {Rect(0, 0, 20, 10), {}, {}, {}, smFixed},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode));
        EXPECT_EQ(TbsSkinControlGeometry::StretchModeOf(c.skinrect, c.rt, c.lb, c.rb), c.mode);
    }
}

TEST(SkinControlGeometry, ARequestedSizeFitsTheSkinAndMovesItsPoints)
{
    struct TCase {
        const char* name;
        TbsSkinControlGeometry g;
        bool bound;
        TSize request, size;
        TPoint rt, lb, rb;
        TRect client;
    } cases[] = {
        {"both", kBoth, true, {75, 25}, {75, 25}, {71, 3}, {4, 22}, {71, 22}, Rect(4, 3, 71, 22)},
        {"both, smaller than the skin", kBoth, true, {10, 5}, {10, 5}, {6, 3}, {4, 2}, {6, 2}, Rect(4, 3, 6, 2)},
        {"horizontal", kHoriz, true, {75, 25}, {75, 10}, {70, 0}, {}, {}, Rect(5, 2, 70, 8)},
        {"vertical", kVert, true, {75, 25}, {20, 25}, {}, {0, 22}, {}, Rect(2, 3, 18, 22)},
        {"fixed", kFixed, true, {75, 25}, {10, 8}, {}, {}, {}, Rect(1, 1, 5, 5)},
        {"fixed, unbound", kFixed, false, {75, 25}, {75, 25}, {}, {}, {}, TRect{}},
    };
    for (TCase c : cases) {
        SCOPED_TRACE(c.name);
        int w = c.request.cx, h = c.request.cy;
        c.g.FitSizeToSkin(w, h, c.bound);
        EXPECT_EQ((TSize{w, h}), c.size);
        EXPECT_EQ(c.g.FittedRightTop, c.rt);
        EXPECT_EQ(c.g.FittedLeftBottom, c.lb);
        EXPECT_EQ(c.g.FittedRightBottom, c.rb);
        EXPECT_EQ(c.g.FittedClientRect, c.client);
    }
    TbsSkinControlGeometry none = Geometry(TRect{}, {}, {}, {}, {}, Rect(1, 2, 3, 4));
    int w = 33, h = 44;
    none.FitSizeToSkin(w, h, true);
    EXPECT_EQ((TSize{w, h}), (TSize{33, 44}));
}

TEST(SkinControlGeometry, SkinRectanglesMoveWithTheZonesTheyLieIn)
{
    struct TCase {
        const TbsSkinControlGeometry* g;
        TRect r, mapped;
    } cases[] = {
        // Both ways at 75 x 25: dW 55, dH 15. Zones: left-top (0,0)-(4,3), right-top
        // (16,0)-(20,3), left-bottom (0,7)-(4,10), right-bottom (16,7)-(20,10).
        {&kBoth, Rect(1, 1, 3, 2), Rect(1, 1, 3, 2)},
        {&kBoth, Rect(17, 1, 19, 2), Rect(72, 1, 74, 2)},
        {&kBoth, Rect(1, 8, 3, 9), Rect(1, 23, 3, 24)},
        {&kBoth, Rect(17, 8, 19, 9), Rect(72, 23, 74, 24)},
        {&kBoth, Rect(1, 1, 18, 9), Rect(1, 1, 73, 24)},
        {&kBoth, Rect(1, 1, 18, 2), Rect(1, 1, 73, 2)},
        {&kBoth, Rect(1, 8, 18, 9), Rect(1, 23, 73, 24)},
        {&kBoth, Rect(1, 1, 3, 9), Rect(1, 1, 3, 24)},
        {&kBoth, Rect(17, 1, 19, 9), Rect(72, 1, 74, 24)},
        {&kBoth, Rect(1, 1, 4, 3), Rect(1, 1, 4, 3)}, // the corner (4,3) is on no zone's far edge pair
        {&kBoth, Rect(5, 4, 10, 6), Rect(5, 4, 10, 6)},
        // Horizontal at width 75 (dW 55): points x 5 and 15.
        {&kHoriz, Rect(2, 2, 16, 8), Rect(2, 2, 71, 8)},
        {&kHoriz, Rect(15, 2, 18, 8), Rect(70, 2, 73, 8)},
        {&kHoriz, Rect(15, 2, 15, 8), Rect(15, 2, 15, 8)},
        {&kHoriz, Rect(6, 2, 10, 8), Rect(6, 2, 10, 8)},
        // Vertical at height 25 (dH 15): points y 3 and 7.
        {&kVert, Rect(2, 1, 18, 8), Rect(2, 1, 18, 23)},
        {&kVert, Rect(2, 7, 18, 9), Rect(2, 22, 18, 24)},
        {&kFixed, Rect(2, 7, 18, 9), Rect(2, 7, 18, 9)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.r.Left) + "," + std::to_string(c.r.Top));
        EXPECT_EQ(c.g->MapSkinRect(c.r, {75, 25}), c.mapped);
    }
}

TEST_F(SkinControls, EachWayOfStretchingGivesItsSizeAndItsPicture)
{
    struct TProbe {
        TPoint control, picture;
    };
    struct TCase {
        const char* name;
        TSize size;
        std::vector<TProbe> probes;
    } cases[] = {
        // The masks of "both", "horiz" and "fixed" cut the corner pixels away.
        {"both", {75, 25}, {{{1, 0}, {1, 0}}, {{73, 24}, {18, 9}}, {{74, 1}, {19, 1}}, {{0, 23}, {0, 8}},
                            {{17, 1}, {5, 1}}, {{18, 8}, {6, 4}}, {{72, 9}, {17, 5}}}},
        {"horiz", {75, 10}, {{{1, 0}, {1, 0}}, {{73, 9}, {18, 9}}, {{18, 4}, {8, 4}}, {{70, 2}, {15, 2}}}},
        {"vert", {20, 25}, {{{0, 0}, {0, 0}}, {{3, 24}, {3, 9}}, {{3, 8}, {3, 4}}}},
        {"fixed", {10, 8}, {{{1, 0}, {3, 1}}, {{9, 7}, {11, 8}}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TbsSkinCustomControl* control = Bound(c.name);
        EXPECT_EQ((TSize{control->Width(), control->Height()}), c.size);
        control->SetBounds(10, 10, 74, 24);
        control->SetBounds(10, 10, 75, 25);
        ProcessMessages();
        EXPECT_EQ((TSize{control->Width(), control->Height()}), c.size) << "every resize keeps to the skin";
        for (const TProbe& p : c.probes) {
            SCOPED_TRACE(std::to_string(p.control.x) + "," + std::to_string(p.control.y));
            EXPECT_EQ(PixelOf(control, p.control.x, p.control.y), CoordinateColor(p.picture.x, p.picture.y));
        }
        control->Free();
    }
}

TEST_F(SkinControls, WithoutAControlSkinThePlainLookTakesTheDefaultSize)
{
    struct TCase {
        const char* name;
        int defaultWidth, defaultHeight;
        TSize size;
    } cases[] = {
        {"nothing of that name", 50, 0, {50, 25}},
        {"Both", 0, 30, {75, 30}}, // names are matched with their letter case
        {"empty", 0, 0, {75, 25}}, // bound, but without picture geometry
        {"label", 40, 12, {75, 25}}, // bound to a control skin of another kind
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* control = Add<TbsSkinCustomControl>(form, Bounds(10, 10, 75, 25), c.name);
        control->SetSkinData(data);
        control->SetDefaultWidth(c.defaultWidth);
        control->SetDefaultHeight(c.defaultHeight);
        ProcessMessages();
        EXPECT_EQ((TSize{control->Width(), control->Height()}), c.size) << "set at once while unbound";
        control->SetBounds(10, 10, 75, 25);
        control->ApplySkin();
        ProcessMessages();
        EXPECT_EQ((TSize{control->Width(), control->Height()}), c.size) << "taken again by ApplySkin";
        EXPECT_EQ(PixelOf(control, 0, 0), ColorToRGB(clBtnFace));
        EXPECT_EQ(PixelOf(control, c.size.cx - 1, c.size.cy - 1), ColorToRGB(clBtnFace));
        EXPECT_FALSE(control->Region());
        control->Free();
    }
}

TEST_F(SkinControls, SkinChangesReachNestedControlsAndFreeingTheSkinDataUnbindsThem)
{
    auto* panel = Add<TPanel>(form, Bounds(0, 0, 300, 200));
    auto* inner = Add<TPanel>(panel, Bounds(5, 5, 250, 150));
    auto* windowed = Add<TCountingControl>(inner, Bounds(10, 10, 75, 25), "horiz");
    auto* graphic = Add<TbsGraphicSkinCustomControl>(inner, Bounds(10, 50, 75, 25), "vert");
    auto* empty = new TbsSkinData(form);
    windowed->SetSkinData(empty);
    graphic->SetSkinData(empty);
    EXPECT_EQ(windowed->applied, 0) << "nothing to apply from a skin data without a skin";

    // While the old skin is still there, the controls have let go of it.
    int boundDuringChange = 99;
    TWindowHook watch(form, [&](TMessage& m, const TWndNext& next) {
        next(m);
        if (m.Msg == SKM_BEFORECHANGE) boundDuringChange = windowed->SkinIndex() + graphic->SkinIndex();
    });
    TbsStoredSkin stored;
    stored.SetIniStrings(kSkinText);
    stored.activepictures = {test::CoordinatePicture(20, 10), CornerlessMask(20, 10)};
    empty->ApplyStoredSkin(stored);
    ProcessMessages();
    EXPECT_EQ(windowed->applied, 1);
    EXPECT_EQ((TSize{windowed->Width(), windowed->Height()}), (TSize{75, 10}));
    EXPECT_EQ((TSize{graphic->Width(), graphic->Height()}), (TSize{20, 25}));
    EXPECT_EQ(PixelOf(graphic, 3, 8), CoordinateColor(3, 4));

    empty->ApplyStoredSkin(stored);
    EXPECT_EQ(boundDuringChange, -2);
    EXPECT_EQ(windowed->detached, 2);
    EXPECT_EQ(windowed->applied, 2);
    data->ApplyStoredSkin(stored);
    EXPECT_EQ(windowed->applied, 2) << "another skin data's change";

    empty->Free();
    EXPECT_EQ(windowed->SkinData(), nullptr);
    EXPECT_EQ(graphic->SkinData(), nullptr);
    windowed->Invalidate();
    graphic->Invalidate();
    ProcessMessages();
    EXPECT_EQ(PixelOf(windowed, 0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(graphic, 0, 0), ColorToRGB(clBtnFace));
}

TEST_F(SkinControls, TheMaskShapesTheWindowAtEverySize)
{
    TbsSkinCustomControl* horiz = Bound("horiz", Bounds(10, 10, 40, 30));
    ASSERT_TRUE(horiz->Region());
    EXPECT_EQ(GetWindowRgn(horiz->Handle()), horiz->Region());
    struct TCase {
        TPoint p;
        bool inside;
    } cases[] = {{{0, 0}, false}, {{1, 0}, true}, {{38, 0}, true}, {{39, 0}, false}, {{39, 1}, true},
                 {{20, 5}, true}, {{0, 9}, false}, {{39, 9}, false}, {{20, 10}, false}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.p.x) + "," + std::to_string(c.p.y));
        EXPECT_EQ(horiz->Region()->Contains(c.p), c.inside);
    }
    horiz->SetWidth(60);
    EXPECT_TRUE(horiz->Region()->Contains(TPoint{58, 0}));
    EXPECT_FALSE(horiz->Region()->Contains(TPoint{59, 0}));
    EXPECT_EQ(GetWindowRgn(horiz->Handle()), horiz->Region());

    TbsSkinCustomControl* fixed = Bound("fixed");
    ASSERT_TRUE(fixed->Region());
    EXPECT_EQ(fixed->Region()->BoundingBox(), Rect(0, 0, 20, 10)) << "the whole mask";
    EXPECT_FALSE(fixed->Region()->Contains(TPoint{19, 9}));
    fixed->SetSkinDataName("vert"); // a picture without a mask
    fixed->ApplySkin();
    EXPECT_FALSE(fixed->Region());
    EXPECT_FALSE(GetWindowRgn(fixed->Handle()));
}

TEST_F(SkinControls, TheProgramSkinsButtonKeepsItsHeightAndControlsWithoutAreaPaintNothing)
{
    LoadProgramSkin();
    TbsSkinCustomControl* button = Bound("button");
    button->SetBounds(10, 10, 75, 25);
    EXPECT_EQ((TSize{button->Width(), button->Height()}), (TSize{75, 20}));

    auto* flat = Add<TCountingControl>(form, Bounds(10, 50, 0, 20), "unknown");
    auto* thin = Add<TCountingControl>(form, Bounds(10, 80, 20, 0), "unknown");
    auto* shown = Add<TCountingControl>(form, Bounds(10, 110, 20, 20), "unknown");
    form->Repaint();
    EXPECT_EQ(flat->painted + thin->painted, 0);
    EXPECT_GT(shown->painted, 0);
}

TEST_F(SkinControls, AStateMorphStepsATenthEveryTwentyMillisecondsAndSnaps)
{
    auto* control = Add<TCountingControl>(form, Bounds(10, 10, 20, 20), "unknown");
    bool active = true, morphs = true;
    TbsControlMorph morph(control, [&] { return active; }, [&] { return morphs; });
    morph.Start();
    ProcessMessages();
    int painted = control->painted;
    std::vector<double> levels;
    for (int tick = 0; tick < 12; ++tick) {
        screen->Advance(20);
        levels.push_back(morph.MorphLevel());
    }
    EXPECT_GT(control->painted, painted) << "every tick repaints";
    for (int i = 0; i < 10; ++i) EXPECT_NEAR(levels[size_t(i)], 0.1 * (i + 1), 1e-9) << i;
    EXPECT_EQ(levels[10], 1.0) << "never beyond the active image";
    EXPECT_FALSE(morph.Running()) << "arrived, it stops";

    active = false;
    morph.Start();
    screen->Advance(60);
    EXPECT_NEAR(morph.MorphLevel(), 0.7, 1e-9);
    EXPECT_TRUE(morph.InProgress());
    morphs = false; // the skin went: it jumps to its state
    painted = control->painted;
    screen->Advance(20);
    EXPECT_EQ(morph.MorphLevel(), 0.0);
    EXPECT_FALSE(morph.Running());
    ProcessMessages();
    EXPECT_EQ(control->painted, painted);

    TBitmap normal(4, 1), hot(4, 1);
    normal.Fill(RGB(0, 0, 0));
    hot.Fill(RGB(200, 100, 50));
    morphs = true;
    active = true;
    morph.Start();
    for (int i = 0; i < 5; ++i) screen->Advance(20);
    EXPECT_EQ(morph.Compose(normal, hot, 0).GetPixel(0, 0), RGB(100, 50, 25)) << "half way, blended";
}
