// tavrik-skinframe-demo [--screenshots FOLDER]
//
// A form framed with the program's skin, carrying every kind of frame object (the caption, the
// caption buttons including minimize-to-tray, an animation that plays while the pointer is over
// it and an area the program paints), beside a form with the plain built-in frame. Right-click
// a caption or press Alt+Space for the system menu; double-click a caption to maximize;
// right-click the skinned form's client area for a skinned popup menu, whose "Message" item
// shows the skinned message box.
//
// The skinned form fades in when shown and the plain one is slightly translucent (on X11 both
// need a compositor). Without arguments the forms open on the X display. With --screenshots
// they are drawn on a headless screen and FOLDER receives one PNG per state: normal, hot,
// pressed, inactive, rolled up, maximized, minimized, the system menu open, the popup menu
// open, the message box, and the plain frame hot.

#include "DemoDisplay.h"
#include "gfx/Canvas.h"
#include "skin/DataSkinObject.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinMessage.h"
#include "ui/Application.h"
#include "ui/Label.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

using namespace tavrik;

namespace {

constexpr int kSpinnerFrames = 8;
constexpr int kSpinnerSize = 24; // as high as the skin's caption buttons

// Eight frames of a dot circling a ring, side by side, on the caption bar's colour.
TBitmap SpinnerStrip(TColor background)
{
    TBitmap strip(kSpinnerSize * kSpinnerFrames, kSpinnerSize);
    TCanvas c(strip);
    c.Brush().Color = background;
    c.FillRect({0, 0, strip.Width(), strip.Height()});
    for (int f = 0; f < kSpinnerFrames; ++f) {
        const int x0 = f * kSpinnerSize;
        c.Pen().Color = RGB(168, 171, 178);
        c.Brush().Style = TBrushStyle::bsClear;
        c.Ellipse(x0 + 5, 5, x0 + 19, 19);
        const double angle = f * 2 * 3.14159265 / kSpinnerFrames;
        const int cx = x0 + 12 + int(std::lround(7 * std::sin(angle)));
        const int cy = 12 - int(std::lround(7 * std::cos(angle)));
        c.Brush().Style = TBrushStyle::bsSolid;
        c.Brush().Color = RGB(53, 132, 228);
        c.Pen().Color = RGB(53, 132, 228);
        c.Ellipse(cx - 3, cy - 3, cx + 4, cy + 4);
    }
    return strip;
}

// The program's skin with an animation among the caption buttons and an area in the frame's
// bottom-right corner that the program paints.
void AddDemoObjects(TbsSkinData& skin)
{
    skin.activepictures.push_back(SpinnerStrip(skin.picture.GetPixel(skin.captionrect.Left, skin.captionrect.Top)));
    auto spinner = std::make_unique<TbsDataSkinAnimate>("spinner");
    spinner->hint = "Plays while the pointer is over it";
    spinner->activepictureindex = int(skin.activepictures.size()) - 1;
    spinner->skinrectinapicture = true;
    spinner->skinrect = spinner->activeskinrect = {0, 0, kSpinnerSize, kSpinnerSize};
    spinner->countframes = kSpinnerFrames;
    spinner->cycle = true;
    spinner->buttonstyle = true;
    spinner->timerinterval = 60;
    skin.SkinObjects.push_back(std::move(spinner));
    auto badge = std::make_unique<TbsDataUserObject>("badge");
    badge->skinrect = {205, 163, 215, 167}; // in the bottom-right corner, which follows the frame's
    skin.SkinObjects.push_back(std::move(badge));
}

struct TDemo {
    TbsStoredSkin stored;
    TbsSkinData skin;
    TForm* skinned = nullptr;
    TbsRevideruDadoZiri* frame = nullptr;
    TForm* plain = nullptr;
    TbsRevideruDadoZiri* plainFrame = nullptr;
    TbsSkinPopupMenu* popup = nullptr;
    TbsSkinMessage* message = nullptr;

    void Build(TApplication& app)
    {
        LoadProgramSkin(stored);
        skin.ApplyStoredSkin(stored);
        AddDemoObjects(skin);

        skinned = app.CreateForm<TForm>();
        skinned->SetCaption("Tavrik 图片压缩 — skinned frame");
        frame = new TbsRevideruDadoZiri(skinned);
        frame->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
                               TbsBorderIcon::biRollUp, TbsBorderIcon::biMinimizeToTray});
        frame->OnPaintEvent = [](const std::string&, TCanvas& c, const TRect& r) {
            c.Brush().Color = RGB(53, 132, 228);
            c.FillRect(r);
        };
        frame->SetSkinData(&skin);
        skinned->SetBounds(40, 40, 480, 320);
        AddText(skinned, "Hover the buttons, double-click the caption, right-click it for the system menu "
                         "or here for a popup menu.");
        message = new TbsSkinMessage(skinned);
        message->SetSkinData(&skin);
        message->SetCtrlSkinData(&skin);
        popup = new TbsSkinPopupMenu(skinned);
        AddItem("&Message", [this] {
            message->ShowMessageBox("请导入图片！\nThe skinned message box follows its text.", TMsgDlgType::mtInformation,
                                    MsgDlgButtons({TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel}));
        });
        AddItem("-", {});
        AddItem("&Roll up", [this] { frame->SetRollUp(true); });
        AddItem("&Close", [this] { skinned->Close(); });
        skinned->SetPopupMenu(popup);

        plain = app.CreateForm<TForm>();
        plain->SetCaption("Plain frame");
        plainFrame = new TbsRevideruDadoZiri(plain);
        // Translucent where the display shows opacity (a compositor on X11).
        plainFrame->SetAlphaBlendValue(225);
        plainFrame->SetAlphaBlend(true);
        frame->SetAlphaBlendAnimation(true);
        plain->SetBounds(560, 40, 360, 260);
        AddText(plain, "The built-in frame when no skin is loaded.");
        skinned->Show();
        plain->Show();
        SetActiveWindow(skinned->Handle());
    }

    void AddItem(const char* caption, std::function<void()> action)
    {
        auto* item = new TMenuItem(popup);
        item->SetCaption(caption);
        if (action) item->OnClick = [action = std::move(action)](TComponent*) { action(); };
        popup->Items()->Add(item);
    }

    static void AddText(TForm* form, const std::string& text)
    {
        auto* label = new TLabel(form);
        label->SetParent(form);
        label->SetTransparent(true);
        label->SetWordWrap(true);
        label->SetBounds(16, 16, 300, 40);
        label->SetCaption(text);
    }
};

TPoint Center(const TForm* form, const TRect& r)
{
    TRect w = GetWindowRect(const_cast<TForm*>(form)->Handle());
    return {w.Left + (r.Left + r.Right) / 2, w.Top + (r.Top + r.Bottom) / 2};
}

int RunScreenshots(const std::string& folder)
{
    THeadlessOptions options;
    options.width = 980;
    options.height = 640;
    options.desktopColor = RGB(58, 76, 96);
    auto backend = std::make_unique<THeadlessBackend>(options);
    THeadlessBackend* screen = backend.get();
    TWindowSystem ws(std::move(backend));
    int failures = 0;
    {
        TDemo demo; // the skin outlives the forms
        TApplication app;
        demo.Build(app);
        ProcessMessages();
        auto shot = [&](const char* name) {
            ProcessMessages();
            std::string path = folder + "/" + name + ".png";
            screen->SaveScreenshot(path);
            std::printf("%s\n", path.c_str());
        };
        auto moveTo = [&](TPoint p) { screen->MouseMove(p.x, p.y); };
        TbsRevideruDadoZiri* frame = demo.frame;
        moveTo({900, 600});
        screen->Advance(1000); // the skinned form's fade-in
        shot("normal");
        moveTo(Center(demo.skinned, frame->FindObject("maxbutton")->ObjectRect));
        screen->Advance(300);
        shot("hot");
        moveTo(Center(demo.skinned, frame->FindObject("spinner")->ObjectRect));
        screen->Advance(250);
        shot("animation");
        moveTo(Center(demo.skinned, frame->FindObject("closebutton")->ObjectRect));
        screen->Advance(300);
        screen->MouseDown();
        shot("pressed");
        moveTo({900, 600});
        screen->Advance(300);
        screen->MouseUp();
        SetActiveWindow(demo.plain->Handle());
        moveTo(Center(demo.plain, demo.plainFrame->FindObject("maxbutton")->ObjectRect));
        shot("inactive-and-plain-hot");
        SetActiveWindow(demo.skinned->Handle());
        moveTo({900, 600});
        screen->Advance(300);
        frame->SetRollUp(true);
        shot("rolledup");
        frame->SetRollUp(false);
        demo.plainFrame->SetFormWindowState(TWindowState::wsMinimized);
        shot("plain-minimized");
        demo.plainFrame->SetFormWindowState(TWindowState::wsNormal);
        TRect caption = frame->FindObject("caption1")->ObjectRect;
        TPoint at = Center(demo.skinned, caption);
        screen->Click(at.x, at.y, TMouseButton::Right);
        if (frame->SkinMenu()->PopupWindowCount() != 1) ++failures;
        screen->PressKey(VK_DOWN);
        screen->PressKey(VK_DOWN);
        screen->Advance(300); // the lit item's morph
        shot("systemmenu");
        screen->PressKey(VK_ESCAPE);
        TPoint client = demo.skinned->ClientToScreen({200, 150});
        screen->Click(client.x, client.y, TMouseButton::Right);
        if (frame->SkinMenu()->PopupWindowCount() != 1) ++failures;
        screen->PressKey(VK_DOWN);
        screen->Advance(300);
        shot("popupmenu");
        screen->WhenIdle([&] {
            shot("messagebox");
            screen->PressKey(VK_ESCAPE);
        });
        screen->PressKey('M');
        frame->SetFormWindowState(TWindowState::wsMaximized);
        moveTo({900, 600});
        shot("maximized");
    }
    return failures == 0 ? 0 : 1;
}

int RunOnDisplay()
{
    std::unique_ptr<TWindowSystem> ws = OpenDemoDisplay("tavrik-skinframe-demo");
    if (!ws) return 1;
    TDemo demo;
    TApplication app;
    demo.Build(app);
    app.Run();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0) return RunScreenshots(argv[2]);
    if (argc != 1) {
        std::fprintf(stderr, "usage: tavrik-skinframe-demo [--screenshots FOLDER]\n");
        return 2;
    }
    return RunOnDisplay();
}
