#include "support/UiTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Button.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/Panel.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Controls : public UiTest {
protected:
    TForm* form = nullptr;
    std::vector<std::string> log;
    void SetUp() override { form = NewForm(100, 100, 300, 200); }
    template <class T>
    T* Add(TWinControl* parent, const std::string& name, TRect bounds)
    {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent);
        c->SetBoundsRect(bounds);
        c->OnMouseEnter = [this, name](TComponent*) { log.push_back("enter " + name); };
        c->OnMouseLeave = [this, name](TComponent*) { log.push_back("leave " + name); };
        return c;
    }
};

} // namespace

TEST_F(Controls, MouseEnterAndLeaveFollowThePointerAcrossWindowsAndGraphicControls)
{
    auto* panel = Add<TPanel>(form, "panel", Bounds(10, 10, 150, 100));
    auto* button = Add<TButton>(panel, "button", Bounds(10, 10, 60, 25));
    auto* label = Add<TLabel>(panel, "label", Bounds(10, 60, 60, 20));
    label->SetCaption("Label");
    form->OnMouseEnter = [this](TComponent*) { log.push_back("enter form"); };
    form->OnMouseLeave = [this](TComponent*) { log.push_back("leave form"); };
    MoveTo({5, 5});
    MoveTo(At(form, 200, 150));
    MoveTo(At(panel, 100, 5));
    MoveTo(Center(button));
    MoveTo(Center(label));
    MoveTo(At(panel, 100, 90));
    MoveTo({5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"enter form", "leave form", "enter panel", "leave panel", "enter button",
                                             "leave button", "enter label", "leave label", "enter panel",
                                             "leave panel"}));
}

TEST_F(Controls, MouseEventsGoToTheGraphicControlUnderThePointerInItsCoordinates)
{
    auto* label = Add<TLabel>(form, "label", Bounds(40, 30, 60, 20));
    label->SetAutoSize(false);
    label->SetBounds(40, 30, 60, 20);
    std::vector<std::string> events;
    label->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState s, int x, int y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y) + ((s & ssLeft) ? " left" : ""));
    };
    label->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int x, int y) {
        events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    label->OnClick = [&](TComponent*) { events.push_back("click"); };
    form->OnClick = [&](TComponent*) { events.push_back("form click"); };
    // Pressed on the label and released outside it: the label keeps the mouse, but no click.
    screen->Drag(At(form, 45, 35), At(form, 200, 150));
    EXPECT_EQ(events, (std::vector<std::string>{"down 5,5 left", "up 160,120"}));
    events.clear();
    screen->Click(At(form, 50, 40).x, At(form, 50, 40).y);
    EXPECT_EQ(events, (std::vector<std::string>{"down 10,10 left", "click", "up 10,10"}));
    events.clear();
    screen->Click(At(form, 150, 100).x, At(form, 150, 100).y);
    EXPECT_EQ(events, (std::vector<std::string>{"form click"}));
}

TEST_F(Controls, ARecreatedWindowKeepsTheControlsStateAndItsChildren)
{
    auto* panel = Add<TPanel>(form, "panel", Bounds(10, 10, 150, 100));
    auto* button = Add<TButton>(panel, "button", Bounds(10, 10, 60, 25));
    button->SetCaption("Keep");
    button->SetEnabled(false);
    int created = 0;
    TWndMethod previous = panel->WindowProc();
    panel->SetWindowProc([&, previous](TMessage& m) {
        if (m.Msg == WM_CREATE) ++created;
        previous(m);
    });
    HWND oldPanel = panel->Handle(), oldButton = button->Handle();
    panel->RecreateWnd();
    EXPECT_FALSE(IsWindow(oldPanel));
    EXPECT_FALSE(IsWindow(oldButton));
    EXPECT_TRUE(IsWindow(button->Handle()));
    EXPECT_EQ(GetParent(button->Handle()), panel->Handle());
    EXPECT_EQ(GetWindowText(button->Handle()), "Keep");
    EXPECT_FALSE(IsWindowEnabled(button->Handle()));
    EXPECT_EQ(GetWindowRect(panel->Handle()), Bounds(110, 110, 150, 100));
    EXPECT_EQ(created, 1); // the replaced window procedure saw the new window being made
}

TEST_F(Controls, AReplacedWindowProcSeesFrameworkMessagesAndPassesOnTheRest)
{
    const UINT kSkinChange = WM_USER + 202;
    std::vector<UINT> seen;
    TWndMethod previous = form->WindowProc();
    form->SetWindowProc([&, previous](TMessage& m) {
        if (m.Msg == kSkinChange) {
            seen.push_back(m.Msg);
            m.Result = 5;
            return;
        }
        previous(m);
    });
    EXPECT_EQ(form->Perform(kSkinChange, 1, 1000), 5);
    EXPECT_EQ(SendMessage(form->Handle(), kSkinChange, 1, 1000), 5);
    EXPECT_EQ(seen.size(), 2u);
    form->SetCaption("Still handled");
    EXPECT_EQ(GetWindowText(form->Handle()), "Still handled");
    form->SetWindowProc(nullptr); // back to the control's own
    EXPECT_EQ(form->Perform(kSkinChange), 0);
}

TEST_F(Controls, FontAndColourFollowTheParentUntilSetOnTheControl)
{
    auto* panel = Add<TPanel>(form, "panel", Bounds(10, 10, 150, 100));
    auto* label = Add<TLabel>(panel, "label", Bounds(10, 10, 60, 20));
    form->Font().SetName("DejaVu Sans");
    form->Font().SetHeight(-15);
    EXPECT_EQ(label->Font().Name(), "DejaVu Sans");
    EXPECT_TRUE(label->ParentFont());
    int grown = label->Height();
    form->Font().SetHeight(-10);
    EXPECT_LT(label->Height(), grown); // an auto-sized label follows its font
    label->Font().SetStyle(fsBold);
    EXPECT_FALSE(label->ParentFont());
    form->Font().SetName("Liberation Serif");
    EXPECT_EQ(label->Font().Name(), "DejaVu Sans");
    EXPECT_EQ(panel->Font().Name(), "Liberation Serif");
    label->SetParentFont(true);
    EXPECT_EQ(label->Font().Name(), "Liberation Serif");
}

TEST_F(Controls, ConstraintsLimitSizeRequestsAndTheUsersSizing)
{
    form->Constraints().SetMinWidth(150);
    form->Constraints().SetMinHeight(29);
    form->Constraints().SetMaxWidth(400);
    form->SetBounds(100, 100, 50, 10);
    EXPECT_EQ(form->Width(), 150);
    EXPECT_EQ(form->Height(), 29);
    form->SetWidth(1000);
    EXPECT_EQ(form->Width(), 400);
    MINMAXINFO info;
    SendMessage(form->Handle(), WM_GETMINMAXINFO, 0, PtrToLParam(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, 400);
}

TEST_F(Controls, TheCursorOfTheControlUnderThePointerWinsOverItsParents)
{
    auto* panel = Add<TPanel>(form, "panel", Bounds(10, 10, 150, 100));
    auto* label = Add<TLabel>(panel, "label", Bounds(10, 10, 60, 20));
    label->SetCaption("Text");
    auto* button = Add<TButton>(panel, "button", Bounds(10, 50, 60, 25));
    panel->SetCursor(crHandPoint);
    label->SetCursor(crIBeam);
    MoveTo(At(panel, 100, 5));
    EXPECT_EQ(screen->CursorShape(), TCursorShape::Hand);
    MoveTo(Center(label));
    EXPECT_EQ(screen->CursorShape(), TCursorShape::IBeam);
    MoveTo(Center(button)); // no cursor of its own: its parent's
    EXPECT_EQ(screen->CursorShape(), TCursorShape::Hand);
    Screen()->SetCursor(crHourGlass);
    MoveTo(Center(label));
    EXPECT_EQ(screen->CursorShape(), TCursorShape::Wait);
    Screen()->SetCursor(crDefault);
}

TEST_F(Controls, AnImageListKeepsTransparencyAndGreysDisabledImages)
{
    TImageList list(nullptr);
    TBitmap strip(40, 16); // two and a half images: the rest is cut off
    strip.Fill(clFuchsia);
    strip.SetPixel(3, 3, clRed);
    strip.SetPixel(20, 5, clBlue);
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    ASSERT_EQ(list.Count(), 2);
    TBitmap target(16, 16, TPixelFormat::pf32bit);
    target.Fill(clWhite);
    TCanvas canvas(target);
    list.Draw(canvas, 0, 0, 0);
    EXPECT_EQ(target.GetPixel(3, 3), clRed);
    EXPECT_EQ(target.GetPixel(4, 4), clWhite);
    list.Draw(canvas, 0, 0, 1);
    EXPECT_EQ(target.GetPixel(4, 5), clBlue);
    target.Fill(clWhite);
    list.Draw(canvas, 0, 0, 0, false);
    TColor grey = target.GetPixel(3, 3);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_NE(grey, clRed);
    EXPECT_EQ(target.GetPixel(4, 4), clWhite);
    list.Draw(canvas, 0, 0, 7); // out of range: nothing
    EXPECT_EQ(list.AddMasked(TBitmap(), clDefault), -1);
    // clDefault takes the bottom-left pixel as the key.
    EXPECT_EQ(list.AddMasked(strip, clDefault), 2);
    EXPECT_EQ(list.GetBitmap(2).ScanLine(0)[3], 0);
}

TEST_F(Controls, ADoubleClickIsOneClickAndOneDoubleClick)
{
    auto* label = Add<TLabel>(form, "label", Bounds(10, 10, 60, 20));
    label->SetCaption("Twice");
    std::vector<std::string> events;
    label->OnClick = [&](TComponent*) { events.push_back("click"); };
    label->OnDblClick = [&](TComponent*) { events.push_back("double"); };
    label->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState s, int, int) {
        events.push_back((s & ssDouble) ? "down double" : "down");
    };
    TPoint p = Center(label);
    screen->DoubleClick(p.x, p.y);
    EXPECT_EQ(events, (std::vector<std::string>{"down", "click", "double", "down double"}));
}
