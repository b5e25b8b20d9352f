#include "FrameTest.h"

#include "gfx/Canvas.h"
#include "skin/ProgramSkin.h"
#include "skin/StoredSkin.h"

namespace tavrik::testing {

const TbsStoredSkin& ProgramSkinStored()
{
    static const TbsStoredSkin* stored = [] {
        auto* s = new TbsStoredSkin;
        LoadProgramSkin(*s);
        return s;
    }();
    return *stored;
}

const TbsSkinData& ProgramSkinData()
{
    static const TbsSkinData* data = [] {
        auto* skin = new TbsSkinData;
        skin->ApplyStoredSkin(ProgramSkinStored());
        return skin;
    }();
    return *data;
}

FrameTest::FrameTest() : THeadlessScene(1024, 768)
{
    mainForm = app->CreateForm<TForm>();
    mainForm->SetBorderStyle(TFormBorderStyle::bsNone);
    mainForm->SetBounds(0, 0, 10, 10);
}

FrameTest::~FrameTest()
{
    app.reset(); // the forms go before customSkin
}

TbsRevideruDadoZiri* FrameTest::NewFrame(TRect bounds, const TbsSkinData* skin)
{
    auto* form = app->CreateForm<TForm>();
    form->SetBoundsRect(bounds);
    auto* frame = new TbsRevideruDadoZiri(form);
    if (skin) frame->SetSkinData(const_cast<TbsSkinData*>(skin));
    form->SetBoundsRect(bounds);
    form->Show();
    ProcessMessages();
    return frame;
}

TRect FrameTest::WindowRect(const TForm* form) const
{
    return GetWindowRect(const_cast<TForm*>(form)->Handle());
}

TPoint FrameTest::OnForm(const TForm* form, TPoint p) const
{
    TRect r = WindowRect(form);
    return {r.Left + p.x, r.Top + p.y};
}

int FrameTest::HitTest(const TForm* form, TPoint p) const
{
    return int(SendMessage(const_cast<TForm*>(form)->Handle(), WM_NCHITTEST, 0, PointToLParam(OnForm(form, p))));
}

TBitmap FrameTest::Shot(const TForm* form) const
{
    ProcessMessages();
    TRect r = WindowRect(form);
    TBitmap shot(r.Width(), r.Height());
    TCanvas(shot).CopyRect({0, 0, r.Width(), r.Height()}, screen->Screen(), r);
    return shot;
}

} // namespace tavrik::testing
