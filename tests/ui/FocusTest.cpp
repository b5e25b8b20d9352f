#include "support/UiTest.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/CustomControl.h"
#include "ui/Panel.h"
#include "ui/Screen.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A focusable control that records its keys.
class TKeySink : public TCustomControl {
public:
    explicit TKeySink(TComponent* owner) : TCustomControl(owner)
    {
        SetTabStop(true);
        SetBounds(0, 0, 50, 20);
    }
    LRESULT dlgCode = 0;
    std::string typed;    // characters that reached KeyPress
    std::string received; // WM_CHAR messages that reached the control at all
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_GETDLGCODE) {
            m.Result = dlgCode;
            return;
        }
        if (m.Msg == WM_CHAR) received += char(m.WParam);
        TCustomControl::WndProc(m);
    }

protected:
    void KeyPress(char32_t& key) override
    {
        TCustomControl::KeyPress(key);
        if (key) typed += char(key);
    }
};

class Focus : public UiTest {
protected:
    TForm* form = nullptr;
    std::vector<std::string> log;
    void SetUp() override { form = NewForm(); }
    template <class T>
    T* Add(TWinControl* parent, const std::string& name, int left, int top)
    {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent);
        c->SetBounds(left, top, 50, 20);
        c->OnEnter = [this, name](TComponent*) { log.push_back("enter " + name); };
        c->OnExit = [this, name](TComponent*) { log.push_back("exit " + name); };
        return c;
    }
    std::string FocusName() const
    {
        TWinControl* c = TWinControl::FromHandle(GetFocus());
        return c ? c->Name() : "";
    }
};

} // namespace

TEST_F(Focus, TabWalksTheTabOrderIntoContainersAndSkipsWhatCannotTakeTheFocus)
{
    auto* a = Add<TKeySink>(form, "a", 0, 0);
    auto* panel = Add<TPanel>(form, "panel", 0, 30);
    panel->SetBounds(0, 30, 100, 60);
    auto* inner = Add<TKeySink>(panel, "inner", 5, 5);
    auto* b = Add<TKeySink>(form, "b", 0, 100);
    auto* hidden = Add<TKeySink>(form, "hidden", 60, 0);
    hidden->Hide();
    auto* disabled = Add<TKeySink>(form, "disabled", 60, 30);
    disabled->SetEnabled(false);
    auto* noStop = Add<TKeySink>(form, "noStop", 60, 60);
    noStop->SetTabStop(false);
    b->SetTabOrder(0); // b first, then a, then the panel's control
    (void)a;
    (void)inner;

    form->SetActiveControl(nullptr);
    b->SetFocus();
    std::vector<std::string> order;
    order.push_back(FocusName());
    for (int i = 0; i < 3; ++i) {
        screen->PressKey(VK_TAB);
        order.push_back(FocusName());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"b", "a", "inner", "b"}));

    screen->KeyDown(VK_SHIFT);
    screen->PressKey(VK_TAB);
    screen->KeyUp(VK_SHIFT);
    EXPECT_EQ(FocusName(), "inner");
}

TEST_F(Focus, EnterAndExitFireAsTheFocusMovesAndNotWhenItComesBack)
{
    auto* a = Add<TKeySink>(form, "a", 0, 0);
    auto* b = Add<TKeySink>(form, "b", 0, 30);
    a->SetFocus();
    log.clear();
    b->SetFocus();
    b->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit a", "enter b"}));
    log.clear();
    screen->PressKey(VK_TAB);
    EXPECT_EQ(log, (std::vector<std::string>{"exit b", "enter a"}));
    EXPECT_EQ(form->ActiveControl(), a);

    // Another window takes the activation; coming back gives the focus to the same control.
    log.clear();
    TForm* other = NewForm(450, 100, 100, 100);
    EXPECT_TRUE(other->Active());
    EXPECT_FALSE(form->Active());
    form->FocusControl(a);
    EXPECT_TRUE(form->Active());
    EXPECT_EQ(FocusName(), "a");
    EXPECT_EQ(log, (std::vector<std::string>{}));
}

TEST_F(Focus, AFormTakingTheActivationFocusesItsFirstTabStop)
{
    TForm* second = app->CreateForm<TForm>();
    second->SetBorderStyle(TFormBorderStyle::bsNone);
    second->SetBounds(450, 100, 200, 100);
    auto* x = new TKeySink(second);
    x->SetName("x");
    x->SetParent(second);
    auto* y = new TKeySink(second);
    y->SetName("y");
    y->SetParent(second);
    y->SetTabOrder(0);
    second->Show();
    EXPECT_EQ(FocusName(), "y");
    EXPECT_EQ(second->ActiveControl(), y);
    EXPECT_EQ(tavrik::Screen()->ActiveForm(), second);
}

TEST_F(Focus, ControlsThatWantAKeyGetItInsteadOfTheForm)
{
    auto* sink = Add<TKeySink>(form, "sink", 0, 0);
    auto* other = Add<TKeySink>(form, "other", 0, 30);
    (void)other;
    sink->SetFocus();
    sink->dlgCode = DLGC_WANTTAB;
    screen->PressKey(VK_TAB);
    EXPECT_EQ(FocusName(), "sink");
    EXPECT_EQ(sink->typed, "\t");
    sink->dlgCode = 0;
    screen->PressKey(VK_TAB);
    EXPECT_EQ(FocusName(), "other");
    EXPECT_EQ(sink->received, "\t"); // the form used it: no character
}

TEST_F(Focus, KeyPreviewShowsTheFormEveryKeyFirst)
{
    auto* sink = Add<TKeySink>(form, "sink", 0, 0);
    sink->SetFocus();
    std::vector<std::string> keys;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) {
        keys.push_back("form " + std::to_string(key));
        if (key == 'Q') key = 0;
    };
    sink->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) { keys.push_back("sink " + std::to_string(key)); };
    form->OnKeyPress = [&](TComponent*, char32_t& c) {
        if (c == 'w') c = 0;
    };
    screen->TypeText("aqw");
    EXPECT_EQ(keys, (std::vector<std::string>{"form 65", "sink 65", "form 81", "form 87", "sink 87"}));
    EXPECT_EQ(sink->typed, "aq"); // a swallowed key-down does not stop its character
}

TEST_F(Focus, RemovingTheActiveControlClearsIt)
{
    auto* a = Add<TKeySink>(form, "a", 0, 0);
    a->SetFocus();
    EXPECT_EQ(form->ActiveControl(), a);
    a->Free();
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(Focus, AHiddenFormFocusesTheChosenControlWhenShown)
{
    TForm* second = app->CreateForm<TForm>();
    second->SetBorderStyle(TFormBorderStyle::bsNone);
    second->SetBounds(450, 100, 200, 100);
    auto* x = new TKeySink(second);
    x->SetName("x");
    x->SetParent(second);
    auto* y = new TKeySink(second);
    y->SetName("y");
    y->SetParent(second);
    y->SetFocus(); // the form is hidden: remembered
    EXPECT_EQ(second->ActiveControl(), y);
    second->Show();
    EXPECT_EQ(FocusName(), "y");
}

TEST_F(Focus, AcceleratorLettersPressButtonsAndTickCheckBoxesBeforeTheKeyboardMenu)
{
    auto* yes = Add<TButton>(form, "yes", 0, 0);
    yes->SetCaption("&Yes");
    auto* no = Add<TButton>(form, "no", 60, 0);
    no->SetCaption("&No");
    auto* panel = Add<TPanel>(form, "panel", 0, 30);
    panel->SetBounds(0, 30, 200, 60);
    auto* keep = Add<TCheckBox>(panel, "keep", 0, 0);
    keep->SetCaption("&Keep && close");
    auto* off = Add<TButton>(panel, "off", 60, 0);
    off->SetCaption("&Off");
    off->SetEnabled(false);
    auto* sink = Add<TKeySink>(form, "sink", 0, 100);
    sink->dlgCode = DLGC_WANTCHARS;
    std::string clicks;
    yes->OnClick = [&](TComponent*) { clicks += "Y"; };
    no->OnClick = [&](TComponent*) { clicks += "N"; };
    off->OnClick = [&](TComponent*) { clicks += "O"; };
    int keyMenus = 0;
    TWindowHook counter(form, [&](TMessage& m, const TWndNext& next) {
        if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_KEYMENU) ++keyMenus;
        next(m);
    });
    auto altKey = [&](UINT vk) {
        screen->KeyDown(VK_MENU);
        screen->PressKey(vk);
        screen->KeyUp(VK_MENU);
    };

    struct TCase {
        const char* what;
        TWinControl* focus;
        std::function<void()> press;
        std::string clicks;
        bool kept;
        std::string typed;
        int keyMenus;
        const char* focusAfter;
    } cases[] = {
        {"Alt+Y from a control that wants characters", sink, [&] { altKey('Y'); }, "Y", false, "", 0, "yes"},
        {"plain n on a button", yes, [&] { screen->TypeText("n"); }, "N", false, "", 0, "no"},
        {"plain k where characters are wanted", sink, [&] { screen->TypeText("k"); }, "", false, "k", 0, "sink"},
        {"Alt+K inside a panel", sink, [&] { altKey('K'); }, "", true, "", 0, "keep"},
        {"a disabled button's letter", yes, [&] { altKey('O'); }, "", false, "", 1, "yes"},
        {"a letter nobody has", yes, [&] { altKey('Z'); }, "", false, "", 1, "yes"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.focus->SetFocus();
        clicks.clear();
        sink->typed.clear();
        keep->SetChecked(false);
        keyMenus = 0;
        c.press();
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(keep->Checked(), c.kept);
        EXPECT_EQ(sink->typed, c.typed);
        EXPECT_EQ(keyMenus, c.keyMenus) << "an answered accelerator never opens the keyboard menu";
        EXPECT_EQ(FocusName(), c.focusAfter);
    }
}
