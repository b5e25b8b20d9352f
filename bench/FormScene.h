#pragma once

#include "support/HeadlessScene.h"
#include "ui/Form.h"

namespace tavrik {

// A program on the headless screen showing one form at the top-left: the stage of the
// framework's benchmarks.
struct TFormScene : test::THeadlessScene {
    TForm* form = nullptr;

    TFormScene(int formWidth, int formHeight, int screenWidth = 1280, int screenHeight = 800)
        : THeadlessScene(screenWidth, screenHeight)
    {
        form = app->CreateForm<TForm>();
        form->SetBounds(0, 0, formWidth, formHeight);
        form->Show();
    }
};

} // namespace tavrik
