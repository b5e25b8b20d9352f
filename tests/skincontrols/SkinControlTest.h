#pragma once

#include "SkinScene.h"

#include "skin/ProgramSkin.h"
#include "skin/StoredSkin.h"

#include <memory>
#include <string_view>

namespace tavrik::testing {

// The skin scene with the program's skin loaded, more forms on demand and pixel checks of
// whole controls.
class SkinControlTest : public SkinScene {
protected:
    SkinControlTest()
    {
        tavrik::LoadProgramSkin(stored);
        data->ApplyStoredSkin(stored);
        ProcessMessages();
    }

    // A shown, active form without frame whose client area is at (left, top) on the screen;
    // skin changes reach its controls through the scene's skin data only when set on them.
    TForm* NewForm(int left = 100, int top = 100, int width = 300, int height = 200)
    {
        TForm* f = app->CreateForm<TForm>();
        f->SetBorderStyle(TFormBorderStyle::bsNone);
        f->SetBounds(left, top, width, height);
        f->Show();
        ProcessMessages();
        return f;
    }
    TPoint At(const TControl* control, int x, int y) const { return control->ClientToScreen({x, y}); }
    TPoint Center(const TControl* control) const { return At(control, control->Width() / 2, control->Height() / 2); }
    void MoveTo(TPoint p) { screen->MouseMove(p.x, p.y); }
    void ClickOn(const TControl* control)
    {
        TPoint p = Center(control);
        screen->Click(p.x, p.y);
    }

    // A control skin of the loaded skin by name, as the class it has.
    template <class T>
    const T& SkinControl(std::string_view name) const
    {
        const int index = data->IndexOfSkinControl(name);
        EXPECT_GE(index, 0) << name;
        return dynamic_cast<const T&>(*data->SkinControls.at(size_t(index)));
    }
    const TBitmap& Picture(int index) const { return data->activepictures.at(size_t(index)); }

    // What the screen shows of the control's rectangle.
    TBitmap Shot(const TControl* control) const
    {
        TBitmap shot(control->Width(), control->Height());
        const TPoint origin = At(control, 0, 0);
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x) shot.SetPixel(x, y, screen->ScreenPixel(origin.x + x, origin.y + y));
        return shot;
    }
    // Whether the screen shows exactly the picture over the control's rectangle.
    ::testing::AssertionResult Shows(const TControl* control, const TBitmap& expected) const
    {
        const TBitmap shot = Shot(control);
        if (shot.Width() != expected.Width() || shot.Height() != expected.Height())
            return ::testing::AssertionFailure() << "size " << shot.Width() << "x" << shot.Height() << ", expected "
                                                 << expected.Width() << "x" << expected.Height();
        int differ = 0;
        TPoint first{-1, -1};
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (shot.GetPixel(x, y) != expected.GetPixel(x, y) && differ++ == 0) first = {x, y};
        if (differ == 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << differ << " pixels differ, the first at (" << first.x << "," << first.y << ")";
    }

    std::unique_ptr<TApplication>& app = host.app;
    TbsStoredSkin stored;
};

} // namespace tavrik::testing
