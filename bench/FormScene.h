#pragma once

#include "ui/Application.h"
#include "ui/Form.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <memory>

namespace tavrik {

// A program on the headless screen showing one form at the top-left: the stage of the
// framework's benchmarks.
struct TFormScene {
    std::unique_ptr<TWindowSystem> ws;
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;

    TFormScene(int formWidth, int formHeight, int screenWidth = 1280, int screenHeight = 800)
    {
        THeadlessOptions screen;
        screen.width = screenWidth;
        screen.height = screenHeight;
        ws = std::make_unique<TWindowSystem>(std::make_unique<THeadlessBackend>(screen));
        app = std::make_unique<TApplication>();
        form = app->CreateForm<TForm>();
        form->SetBounds(0, 0, formWidth, formHeight);
        form->Show();
    }
    ~TFormScene()
    {
        app.reset(); // the forms go before the window system they live in
        ws.reset();
    }
    TFormScene(const TFormScene&) = delete;
    TFormScene& operator=(const TFormScene&) = delete;
};

} // namespace tavrik
