#pragma once

#include "ui/Application.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <memory>

namespace tavrik::test {

// A program on a fresh headless screen with its virtual clock: the window system and an
// application. The application goes first, so that its forms leave while the window system
// they live in still exists.
struct THeadlessScene {
    explicit THeadlessScene(THeadlessOptions options)
    {
        auto backend = std::make_unique<THeadlessBackend>(std::move(options));
        screen = backend.get();
        ws = std::make_unique<TWindowSystem>(std::move(backend));
        app = std::make_unique<TApplication>();
    }
    THeadlessScene(int screenWidth, int screenHeight) : THeadlessScene(ScreenOptions(screenWidth, screenHeight)) {}
    ~THeadlessScene()
    {
        app.reset();
        ws.reset();
    }
    THeadlessScene(const THeadlessScene&) = delete;
    THeadlessScene& operator=(const THeadlessScene&) = delete;

    static THeadlessOptions ScreenOptions(int screenWidth, int screenHeight)
    {
        THeadlessOptions options;
        options.width = screenWidth;
        options.height = screenHeight;
        return options;
    }

    THeadlessBackend* screen = nullptr;
    std::unique_ptr<TWindowSystem> ws;
    std::unique_ptr<TApplication> app;
};

} // namespace tavrik::test
