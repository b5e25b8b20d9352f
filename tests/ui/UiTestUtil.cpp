#include "UiTestUtil.h"

namespace tavrik::testing {

THeadlessOptions UiTest::ScreenOptions(int screenWidth, int screenHeight)
{
    THeadlessOptions options;
    options.width = screenWidth;
    options.height = screenHeight;
    return options;
}

UiTest::UiTest(THeadlessOptions options)
{
    auto backend = std::make_unique<THeadlessBackend>(options);
    screen = backend.get();
    ws = std::make_unique<TWindowSystem>(std::move(backend));
    app = std::make_unique<TApplication>();
    app->SetTitle("Tavrik test");
    SetMessageBoxHandler([this](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
        messages.push_back({text, type, buttons});
        return messageAnswer;
    });
}

UiTest::~UiTest()
{
    SetMessageBoxHandler({});
    app.reset();
    ws.reset();
}

TForm* UiTest::NewForm(int left, int top, int width, int height)
{
    TForm* form = app->CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(left, top, width, height);
    form->Show();
    ProcessMessages();
    return form;
}

TPoint UiTest::Center(const TControl* control) const
{
    return control->ClientToScreen({control->Width() / 2, control->Height() / 2});
}

void UiTest::ClickOn(const TControl* control, TMouseButton button)
{
    TPoint p = Center(control);
    screen->Click(p.x, p.y, button);
}

void UiTest::UsePlainMessageBoxes() { SetMessageBoxHandler({}); }

} // namespace tavrik::testing
