#include "support/UiTest.h"

#include "gfx/Canvas.h"
#include "ui/CheckBox.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A frame component as the skinned frames are: it keeps the window state itself and paints
// the client background in its own colour through the form's messages.
class TTestFrame : public TFormFrameHook {
public:
    explicit TTestFrame(TForm* form)
        : form_(form), hook_(form, [this](TMessage& m, const TWndNext& next) { Handle(m, next); })
    {
        form->SetFrameHook(this);
    }
    virtual ~TTestFrame() { form_->SetFrameHook(nullptr); }
    TWindowState FrameWindowState() const override { return state; }
    void SetFrameWindowState(TWindowState s) override { state = s; }

    TWindowState state = TWindowState::wsNormal;
    TColor background = clLime;

private:
    void Handle(TMessage& m, const TWndNext& next)
    {
        if (m.Msg == WM_ERASEBKGND && m.WParam) {
            auto* canvas = reinterpret_cast<TCanvas*>(uintptr_t(m.WParam));
            canvas->Brush().Color = background;
            canvas->FillRect(form_->ClientRect());
            m.Result = 1;
            return;
        }
        next(m);
    }

    TForm* form_;
    TWindowHook hook_;
};

class FrameHook : public UiTest {
protected:
    TForm* CaptionedForm()
    {
        TForm* form = app->CreateForm<TForm>();
        form->SetBounds(100, 100, 300, 200);
        form->Show();
        ProcessMessages();
        return form;
    }
    DWORD Style(TForm* form) { return DWORD(GetWindowLongPtr(form->Handle(), GWL_STYLE)); }
};

} // namespace

TEST_F(FrameHook, TheFormKeepsNoCaptionWhileHookedAlsoWhenItsWindowIsMadeAgain)
{
    TForm* form = CaptionedForm();
    ASSERT_EQ(Style(form) & WS_CAPTION, WS_CAPTION);
    TRect outer = GetWindowRect(form->Handle());
    {
        TTestFrame frame(form);
        EXPECT_EQ(Style(form) & WS_CAPTION, 0u);
        // The window system's caption is gone from the frame: the client area grew upwards.
        EXPECT_LT(form->ClientToScreen({0, 0}).y - outer.Top, GetSystemMetrics(SM_CYCAPTION));
        form->SetBorderStyle(TFormBorderStyle::bsSingle); // makes the window again
        EXPECT_EQ(Style(form) & WS_CAPTION, 0u);
        EXPECT_TRUE(IsWindowVisible(form->Handle())); // and shows it again
        EXPECT_EQ(GetActiveWindow(), form->Handle());
        form->SetBorderStyle(TFormBorderStyle::bsSizeable);
        EXPECT_EQ(Style(form) & WS_CAPTION, 0u);
        EXPECT_EQ(Style(form) & WS_THICKFRAME, WS_THICKFRAME);
    }
    EXPECT_EQ(Style(form) & WS_CAPTION, WS_CAPTION);
}

TEST_F(FrameHook, TheWindowStateIsTheHooksAndTheWindowSystemIsNotAsked)
{
    TForm* form = CaptionedForm();
    TTestFrame frame(form);
    TRect before = GetWindowRect(form->Handle());
    form->SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(frame.state, TWindowState::wsMaximized);
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
    EXPECT_FALSE(IsZoomed(form->Handle()));
    EXPECT_EQ(GetWindowRect(form->Handle()), before);
    frame.state = TWindowState::wsMinimized;
    EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
    EXPECT_FALSE(IsIconic(form->Handle()));
}

TEST_F(FrameHook, TheFormLeavesCaptionButtonPressesToTheHook)
{
    // A frame passes non-client presses on to the form after handling them itself; the form's
    // own caption buttons must not take the mouse then.
    TForm* form = CaptionedForm();
    TPoint p = GetWindowRect(form->Handle()).TopLeft();
    form->Perform(WM_NCLBUTTONDOWN, HTCLOSE, PointToLParam(p));
    EXPECT_EQ(GetCapture(), form->Handle());
    form->Perform(WM_LBUTTONUP, 0, PointToLParam({-500, -500}));
    ASSERT_EQ(GetCapture(), nullptr);
    TTestFrame frame(form);
    form->Perform(WM_NCLBUTTONDOWN, HTCLOSE, PointToLParam(p));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(form->Visible());
}

TEST_F(FrameHook, DoubleBufferedAndSeeThroughPaintsEraseThroughTheMessage)
{
    TForm* form = NewForm(0, 0, 200, 150);
    form->SetColor(clWhite);
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 120, 24);
    box->SetTransparent(true);
    TTestFrame frame(form);
    struct TCase {
        const char* name;
        bool doubleBuffered;
    };
    for (TCase c : {TCase{"direct", false}, TCase{"double-buffered", true}}) {
        SCOPED_TRACE(c.name);
        form->SetDoubleBuffered(c.doubleBuffered);
        frame.background = c.doubleBuffered ? clAqua : clLime;
        form->Invalidate();
        box->Invalidate();
        ProcessMessages();
        EXPECT_EQ(Pixel(form->ClientToScreen({150, 100})), frame.background);
        // Around the check box's square its parent's background shows, as the hook paints it.
        EXPECT_EQ(Pixel(box->ClientToScreen({118, 2})), frame.background);
    }
}
