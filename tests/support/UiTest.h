#pragma once

#include "core/Exception.h"
#include "support/HeadlessScene.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/MessageDlg.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tavrik::testing {

// The headless scene (800 x 600 unless given) as a test fixture, with helpers to place forms
// and to click. Message boxes are recorded instead of shown unless a test lets the plain box
// run.
class UiTest : public ::testing::Test, protected test::THeadlessScene {
protected:
    UiTest() : UiTest(800, 600) {}
    UiTest(int screenWidth, int screenHeight) : UiTest(ScreenOptions(screenWidth, screenHeight)) {}
    explicit UiTest(THeadlessOptions options);
    ~UiTest() override;

    // A shown, active form without frame whose client area is at (left, top) on the screen.
    TForm* NewForm(int left = 100, int top = 100, int width = 300, int height = 200);
    TPoint Center(const TControl* control) const;
    // Screen point of a client point of a control.
    TPoint At(const TControl* control, int x, int y) const { return control->ClientToScreen({x, y}); }
    void ClickOn(const TControl* control, TMouseButton button = TMouseButton::Left);
    void MoveTo(TPoint p) { screen->MouseMove(p.x, p.y); }
    TColor Pixel(TPoint p) const { return screen->ScreenPixel(p.x, p.y); }
    // Lets the plain message box show instead of recording it.
    void UsePlainMessageBoxes();

    struct TShownMessage {
        std::string text;
        TMsgDlgType type;
        TMsgDlgButtons buttons;
    };
    std::vector<TShownMessage> messages;
    int messageAnswer = mrOk;
};

} // namespace tavrik::testing
