#pragma once

#include "ui/Application.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

namespace tavrik {

// The headless screen a demo draws on for its screenshots: 640 x 480 on a blue desktop, with
// the window system and an application running on it. Shot writes what the screen shows as
// FOLDER/NAME.png; the count is reported when the screen goes.
class TDemoScreen {
public:
    explicit TDemoScreen(std::string folder) : folder_(std::move(folder))
    {
        THeadlessOptions options;
        options.width = 640;
        options.height = 480;
        options.desktopColor = RGB(58, 110, 165);
        auto backend = std::make_unique<THeadlessBackend>(options);
        screen_ = backend.get();
        ws_ = std::make_unique<TWindowSystem>(std::move(backend));
        app_ = std::make_unique<TApplication>();
    }
    ~TDemoScreen()
    {
        app_.reset(); // the application's windows go before the window system
        ws_.reset();
        std::printf("%d screenshots in %s\n", written_, folder_.c_str());
    }
    TDemoScreen(const TDemoScreen&) = delete;
    TDemoScreen& operator=(const TDemoScreen&) = delete;

    THeadlessBackend& Screen() { return *screen_; }
    TWindowSystem& Ws() { return *ws_; }
    TApplication& App() { return *app_; }

    // After the pending messages ran.
    void Shot(const std::string& name)
    {
        ProcessMessages();
        screen_->SaveScreenshot(folder_ + "/" + name + ".png");
        ++written_;
    }

private:
    std::string folder_;
    THeadlessBackend* screen_ = nullptr;
    std::unique_ptr<TWindowSystem> ws_;
    std::unique_ptr<TApplication> app_;
    int written_ = 0;
};

} // namespace tavrik
