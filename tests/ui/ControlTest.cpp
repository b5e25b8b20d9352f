#include "support/UiTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Button.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/Panel.h"

#include <memory>
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
    TWindowHook hook(panel, [&](TMessage& m, const TWndNext& next) {
        if (m.Msg == WM_CREATE) ++created;
        next(m);
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
    EXPECT_EQ(created, 1); // the hook saw the new window being made
}

TEST_F(Controls, WindowHooksSeeMessagesLatestFirstAndLeaveInAnyOrder)
{
    const UINT kSkinChange = WM_USER + 202;
    std::string seen;
    // Each hook notes the message and passes it on; "b" answers it and stops it.
    auto hook = [&](char name, bool consume) {
        return [&seen, name, consume, kSkinChange](TMessage& m, const TWndNext& next) {
            if (m.Msg != kSkinChange) return next(m);
            seen += name;
            if (consume) m.Result = 5;
            else next(m);
        };
    };
    auto a = std::make_unique<TWindowHook>(form, hook('a', false));
    auto b = std::make_unique<TWindowHook>(form, hook('b', true));
    auto c = std::make_unique<TWindowHook>(form, hook('c', false));
    EXPECT_EQ(form->Perform(kSkinChange, 1, 1000), 5);
    EXPECT_EQ(SendMessage(form->Handle(), kSkinChange, 1, 1000), 5);
    EXPECT_EQ(seen, "cbcb");
    form->SetCaption("Still handled");
    EXPECT_EQ(GetWindowText(form->Handle()), "Still handled") << "the rest reaches the form";

    // The middle one goes first, then the front one removes itself while it runs.
    b.reset();
    seen.clear();
    EXPECT_EQ(form->Perform(kSkinChange), 0);
    EXPECT_EQ(seen, "ca");
    TWndHookId self = 0;
    self = form->AddWindowHook([&](TMessage& m, const TWndNext& next) {
        if (m.Msg == kSkinChange) {
            seen += 's';
            form->RemoveWindowHook(self);
        }
        next(m);
    });
    seen.clear();
    form->Perform(kSkinChange);
    form->Perform(kSkinChange);
    EXPECT_EQ(seen, "scaca") << "a hook removing itself still passes the message on";
    a.reset();
    c.reset();
    seen.clear();
    EXPECT_EQ(form->Perform(kSkinChange), 0);
    EXPECT_EQ(seen, "");
}

TEST_F(Controls, AWindowHookOutlivingItsControlLetsGoQuietly)
{
    auto* panel = Add<TPanel>(form, "panel", Bounds(10, 10, 150, 100));
    TWindowHook hook(panel, [](TMessage& m, const TWndNext& next) { next(m); });
    EXPECT_TRUE(hook.Installed());
    // A click handler that frees the control while its message is inside the chain.
    TWindowHook freeing(panel, [&](TMessage& m, const TWndNext& next) {
        if (m.Msg == WM_USER) {
            panel->Free();
            return;
        }
        next(m);
    });
    SendMessage(panel->Handle(), WM_USER);
    EXPECT_FALSE(hook.Installed());
    hook.Remove();
}

TEST_F(Controls, ARelayReachesEveryControlContainerFirstWhateverTheAnswers)
{
    const UINT kSkinChange = WM_USER + 202;
    auto* outer = Add<TPanel>(form, "outer", Bounds(0, 0, 200, 150));
    auto* label = Add<TLabel>(outer, "label", Bounds(5, 5, 50, 20));
    auto* inner = Add<TPanel>(outer, "inner", Bounds(10, 30, 150, 100));
    auto* button = Add<TButton>(inner, "button", Bounds(5, 5, 60, 25));
    auto* deep = Add<TLabel>(inner, "deep", Bounds(5, 40, 50, 20));
    auto* last = Add<TButton>(form, "last", Bounds(0, 160, 60, 25));
    std::vector<std::string> seen;
    std::vector<TWindowHook> hooks;
    for (TControl* c : std::initializer_list<TControl*>{outer, label, inner, button, deep, last})
        hooks.emplace_back(c, [&seen, c, kSkinChange](TMessage& m, const TWndNext& next) {
            if (m.Msg == kSkinChange) {
                seen.push_back(c->Name() + (m.Result == 0 && m.WParam == 7 ? "" : "?"));
                m.Result = 1; // an answer that must not stop the relay
                m.WParam = 99; // nor reach the next control
                return;
            }
            next(m);
        });
    TMessage m{kSkinChange, 7, 1000, 0};
    form->RelayToControls(m);
    EXPECT_EQ(seen, (std::vector<std::string>{"outer", "label", "inner", "button", "deep", "last"}));

    // The first answer ends a search; a control freeing a later one ends nothing.
    seen.clear();
    TMessage search{kSkinChange, 7, 0, 0};
    form->RelayToControls(search, true);
    EXPECT_EQ(seen, (std::vector<std::string>{"outer"}));
    EXPECT_EQ(search.Result, 1);
    seen.clear();
    hooks.emplace_back(label, [&](TMessage& msg, const TWndNext& next) {
        if (msg.Msg == kSkinChange) inner->Free();
        next(msg);
    });
    form->RelayToControls(m);
    EXPECT_EQ(seen, (std::vector<std::string>{"outer", "label", "last"}));
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
