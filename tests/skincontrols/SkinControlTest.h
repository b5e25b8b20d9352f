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
    void MoveTo(TPoint p) { screen->MouseMove(p.x, p.y); }
    TColor Pixel(TPoint p) const { return screen->ScreenPixel(p.x, p.y); }

    TbsStoredSkin stored;
    TbsSkinData skinData;
    THeadlessBackend* screen = nullptr;
    std::unique_ptr<TWindowSystem> ws;
    std::unique_ptr<TApplication> app;
};

} // namespace tavrik::testing
