#include "gfx/Bitmap.h"
#include "gfx/SystemColors.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/MenuTracker.h"
#include "ui/MessageDlg.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"
#include "ui/ProgressBar.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

using namespace tavrik;

namespace {

// A small landscape: sky, sun and hills.
TBitmap Landscape(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double hill = h * 0.65 + std::sin(x * 0.05) * h * 0.08;
            double sun = std::hypot(x - w * 0.75, y - h * 0.3);
            TColor c = RGB(uint8_t(120 + y * 80 / h), uint8_t(170 + y * 60 / h), 235);
            if (sun < h * 0.12) c = RGB(255, 214, 90);
            if (y > hill) c = RGB(70, uint8_t(140 - (y - hill) * 60 / h), 70);
            b.SetPixel(x, y, c);
        }
    return b;
}

TBitmap Glyph(TColor color)
{
    TBitmap b(16, 16);
    b.Fill(clFuchsia);
    for (int y = 3; y < 13; ++y)
        for (int x = 3; x < 13; ++x) b.SetPixel(x, y, (x + y) % 5 ? color : clWhite);
    return b;
}

template <class T>
T* Add(TWinControl* parent, TComponent* owner, int left, int top, int width, int height)
{
    auto* c = new T(owner);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

struct TSample {
    TForm* form = nullptr;
    TImage* image = nullptr;
    TPopupMenu* menu = nullptr;
};

TSample Build(TApplication& app)
{
    TSample s;
    s.form = app.CreateForm<TForm>();
    TForm* f = s.form;
    f->SetCaption("Tavrik 图片压缩工具 — sample");
    f->SetBounds(40, 30, 10, 10);
    f->SetClientSize(520, 360);
    f->SetShowHint(true);

    auto* left = Add<TPanel>(f, f, 0, 0, 170, 10);
    left->SetAlign(TAlign::alLeft);
    auto* title = Add<TLabel>(left, f, 12, 10, 0, 0);
    title->SetCaption("文件");
    title->Font().SetStyle(fsBold);
    auto* open = Add<TButton>(left, f, 12, 34, 140, 25);
    open->SetCaption("&Open picture…");
    open->SetDefault(true);
    auto* save = Add<TButton>(left, f, 12, 66, 140, 25);
    save->SetCaption("Save as");
    save->SetEnabled(false);
    auto* keep = Add<TCheckBox>(left, f, 12, 102, 150, 20);
    keep->SetCaption("约束比例 (keep ratio)");
    keep->SetChecked(true);
    auto* quality = Add<TLabel>(left, f, 12, 132, 0, 0);
    quality->SetCaption("Quality: 75%");
    quality->SetTransparent(true);
    auto* wrapped = Add<TLabel>(left, f, 12, 156, 146, 0);
    wrapped->SetWordWrap(true);
    wrapped->SetCaption("A wrapped label keeps its width and grows downwards.");
    auto* disabled = Add<TLabel>(left, f, 12, 250, 0, 0);
    disabled->SetCaption("A disabled label");
    disabled->SetEnabled(false);

    auto* status = Add<TPanel>(f, f, 0, 0, 10, 26);
    status->SetAlign(TAlign::alBottom);
    status->SetBevelOuter(TBevelCut::bvLowered);
    status->SetAlignment(TAlignment::taLeftJustify);
    status->SetCaption("图片高:480;  图片宽:640;  图片大小:50KB");
    auto* progress = Add<TProgressBar>(status, f, 330, 6, 180, 14);
    progress->SetAnchors(akTop | akRight);
    progress->SetPosition(60);

    auto* view = Add<TPanel>(f, f, 0, 0, 10, 10);
    view->SetAlign(TAlign::alClient);
    view->SetBevelOuter(TBevelCut::bvNone);
    view->SetColor(RGB(90, 90, 90));
    s.image = Add<TImage>(view, f, 20, 20, 300, 260);
    s.image->SetCenter(true);
    s.image->Picture().Assign(Landscape(280, 200));
    s.image->SetHint("放大|Zoom in");

    auto* images = new TImageList(f);
    images->AddMasked(Glyph(RGB(200, 60, 60)), clFuchsia);
    images->AddMasked(Glyph(RGB(60, 120, 200)), clFuchsia);
    s.menu = new TPopupMenu(f);
    s.menu->SetImages(images);
    auto item = [&](TMenuItem* parent, const char* caption) {
        auto* i = new TMenuItem(f);
        i->SetCaption(caption);
        parent->Add(i);
        return i;
    };
    TMenuItem* rotate = item(s.menu->Items(), "旋转90度");
    rotate->SetShortCut(ShortCut('R', ssCtrl));
    rotate->SetImageIndex(0);
    item(s.menu->Items(), "水平翻转 (&Mirror)")->SetImageIndex(1);
    item(s.menu->Items(), "-");
    item(s.menu->Items(), "Show &grid")->SetChecked(true);
    item(s.menu->Items(), "Disabled item")->SetEnabled(false);
    TMenuItem* more = item(s.menu->Items(), "More");
    item(more, "First");
    item(more, "Second");
    item(s.menu->Items(), "帮助？")->SetShortCut(ShortCut(VK_F1, 0));
    s.image->SetPopupMenu(s.menu);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    std::string folder = argc > 1 ? argv[1] : ".";
    THeadlessOptions options;
    options.width = 800;
    options.height = 480;
    options.desktopColor = RGB(58, 110, 165);
    auto backend = std::make_unique<THeadlessBackend>(options);
    THeadlessBackend* screen = backend.get();
    TWindowSystem ws(std::move(backend));
    TApplication app;
    app.SetTitle("Tavrik");
    TSample s = Build(app);
    s.form->Show();
    ProcessMessages();

    // A hint, then the popup menu with its submenu open.
    TPoint p = s.image->ClientToScreen({60, 60});
    screen->MouseMove(p.x, p.y);
    screen->Advance(500);
    screen->SaveScreenshot(folder + "/uisample-hint.png");
    screen->WhenIdle([&] {
        screen->PressKey(VK_DOWN);
        screen->PressKey(VK_UP);
        screen->PressKey(VK_UP);
        screen->PressKey(VK_RIGHT);
        ProcessMessages();
        screen->SaveScreenshot(folder + "/uisample-menu.png");
        screen->PressKey(VK_ESCAPE);
        screen->PressKey(VK_ESCAPE);
    });
    screen->Click(p.x, p.y, TMouseButton::Right);

    // A message box over the form.
    screen->WhenIdle([&] {
        ProcessMessages();
        screen->SaveScreenshot(folder + "/uisample-box.png");
        screen->PressKey(VK_RETURN);
    });
    MessageDlg("The picture was saved as /home/user/Pictures/Yarro_cat.jpg.\nReplace the original as well?",
               TMsgDlgType::mtConfirmation, MsgDlgButtons({TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel}));
    std::printf("screenshots written to %s\n", folder.c_str());
    return 0;
}
