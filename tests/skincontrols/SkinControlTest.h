#pragma once

#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace tavrik::testing {

// A program on an 800 x 600 headless screen with the program's skin loaded into skinData.
class SkinControlTest : public ::testing::Test {
protected:
    SkinControlTest()
    {
        THeadlessOptions options;
        options.width = 800;
        options.height = 600;
        auto backend = std::make_unique<THeadlessBackend>(options);
        screen = backend.get();
        ws = std::make_unique<TWindowSystem>(std::move(backend));
        app = std::make_unique<TApplication>();
        LoadProgramSkin(stored);
        skinData.ApplyStoredSkin(stored);
    }
    ~SkinControlTest() override
    {
        app.reset();
        ws.reset();
    }

    // A shown, active form without frame whose client area is at (left, top) on the screen.
    TForm* NewForm(int left = 100, int top = 100, int width = 300, int height = 200)
    {
        TForm* form = app->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(left, top, width, height);
        form->Show();
        app->ProcessMessages();
        return form;
    }
    TPoint At(const TControl* control, int x, int y) const { return control->ClientToScreen({x, y}); }
    TPoint Center(const TControl* control) const { return At(control, control->Width() / 2, control->Height() / 2); }
    void ClickOn(const TControl* control)
    {
        TPoint p = Center(control);
        screen->Click(p.x, p.y);
    }

    // A control skin of the loaded skin by name, as the class it has.
    template <class T>
    const T& SkinControl(std::string_view name) const
    {
        const int index = skinData.IndexOfSkinControl(name);
        EXPECT_GE(index, 0) << name;
        return dynamic_cast<const T&>(*skinData.SkinControls.at(size_t(index)));
    }
    const TBitmap& Picture(int index) const { return skinData.activepictures.at(size_t(index)); }

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
    void MoveTo(TPoint p) { screen->MouseMove(p.x, p.y); }
    TColor Pixel(TPoint p) const { return screen->ScreenPixel(p.x, p.y); }

    TbsStoredSkin stored;
    TbsSkinData skinData;
    THeadlessBackend* screen = nullptr;
    std::unique_ptr<TWindowSystem> ws;
    std::unique_ptr<TApplication> app;
};

} // namespace tavrik::testing
