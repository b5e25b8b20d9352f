#pragma once

#include "skin/SkinData.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"
#include "support/HeadlessScene.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavrik {
class TbsStoredSkin;
}

namespace tavrik::testing {

// The program's skin, loaded once.
const TbsStoredSkin& ProgramSkinStored();
const TbsSkinData& ProgramSkinData();

// A headless screen (1024 x 768, virtual clock) with an application whose main form is a plain
// one left alone, so that the frames under test belong to other forms.
class FrameTest : public ::testing::Test, protected test::THeadlessScene {
protected:
    FrameTest();
    ~FrameTest() override;

    // A shown, active form with a frame at the bounds, skinned with `skin` (plain without).
    TbsRevideruDadoZiri* NewFrame(TRect bounds, const TbsSkinData* skin = &ProgramSkinData());
    TRect WindowRect(const TForm* form) const;
    // Screen point of a point in form coordinates (origin at the window's top-left corner).
    TPoint OnForm(const TForm* form, TPoint p) const;
    int HitTest(const TForm* form, TPoint p) const;
    TColor Pixel(TPoint screenPoint) const { return screen->ScreenPixel(screenPoint.x, screenPoint.y); }
    // The window's pixels as the screen shows them, in form coordinates.
    TBitmap Shot(const TForm* form) const;
    // Lets the clock run in steps of `step`, handling every timer on the way.
    void Wait(int ms) { screen->Advance(uint64_t(ms)); }

    // A skin of a test's own; it outlives the forms.
    std::unique_ptr<TbsSkinData> customSkin;
    TForm* mainForm = nullptr;
};

} // namespace tavrik::testing
