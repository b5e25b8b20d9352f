#include "support/UiTest.h"

namespace tavrik::testing {

UiTest::UiTest(THeadlessOptions options) : THeadlessScene(std::move(options))
{
    app->SetTitle("Tavrik test");
    SetMessageBoxHandler([this](const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
        messages.push_back({text, type, buttons});
        return messageAnswer;
    });
}

UiTest::~UiTest() { SetMessageBoxHandler({}); }

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
