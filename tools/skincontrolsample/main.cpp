#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinCheckRadioBox.h"
#include "skincontrols/SkinComboBox.h"
#include "skincontrols/SkinEdit.h"
#include "skincontrols/SkinExPanel.h"
#include "skincontrols/SkinGauge.h"
#include "skincontrols/SkinGroupBox.h"
#include "skincontrols/SkinLabel.h"
#include "skincontrols/SkinLinkLabel.h"
#include "skincontrols/SkinListBox.h"
#include "skincontrols/SkinListView.h"
#include "skincontrols/SkinMemo.h"
#include "skincontrols/SkinNumericEdit.h"
#include "skincontrols/SkinPanel.h"
#include "skincontrols/SkinScrollBar.h"
#include "skincontrols/SkinScrollBox.h"
#include "skincontrols/SkinSpeedButton.h"
#include "skincontrols/SkinSplitter.h"
#include "skincontrols/SkinStatusBar.h"
#include "skincontrols/SkinStatusPanel.h"
#include "skincontrols/SkinStdLabel.h"
#include "skincontrols/SkinTrackBar.h"
#include "skincontrols/SkinTreeView.h"
#include "skincontrols/SkinUpDown.h"
#include "skinforms/SkinPageControl.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Panel.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"
#include "wsys/backends/headless/PngWriter.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace tavrik;

namespace {

// A 16 x 16 glyph strip of cells: a coloured square on a magenta key.
TBitmap GlyphStrip(int cells)
{
    const TColor colours[] = {RGB(40, 110, 200), RGB(150, 150, 150), RGB(30, 70, 140), RGB(80, 170, 250)};
    TBitmap b(16 * cells, 16);
    b.Fill(clFuchsia);
    for (int c = 0; c < cells; ++c)
        for (int y = 3; y < 13; ++y)
            for (int x = 3; x < 13; ++x) b.SetPixel(16 * c + x, y, colours[c % 4]);
    return b;
}

// One cell of the sheet: a control made on the stage, put into a state, then photographed.
struct TCell {
    std::string title;
    std::function<TControl*(TForm*)> make;
    std::function<void(TControl*)> state = [](TControl*) {};
};

class TSheet {
public:
    TSheet(THeadlessBackend& screen, TApplication& app, TbsSkinData* skin) : screen_(screen), app_(app), skin_(skin) {}

    void Row(const std::string& heading, const std::vector<TCell>& cells)
    {
        rows_.push_back({heading, {}});
        for (const TCell& cell : cells) rows_.back().shots.push_back({cell.title, Photograph(cell)});
    }

    // The sheet: one row per family, titles above the shots.
    TBitmap Compose() const
    {
        const int gap = 12, titleHeight = 16, headingWidth = 110;
        int width = 0, height = gap;
        for (const auto& row : rows_) {
            int w = headingWidth, h = 0;
            for (const auto& shot : row.shots) {
                w += std::max(shot.picture.Width(), 70) + gap;
                h = std::max(h, shot.picture.Height());
            }
            width = std::max(width, w);
            height += titleHeight + h + gap;
        }
        TBitmap sheet(width + gap, height);
        TCanvas canvas(sheet);
        canvas.Brush().Color = RGB(236, 238, 242);
        canvas.FillRect({0, 0, sheet.Width(), sheet.Height()});
        canvas.Brush().Style = TBrushStyle::bsClear;
        canvas.Font().Height = -11;
        int y = gap;
        for (const auto& row : rows_) {
            int x = gap, h = 0;
            canvas.Font().Style = fsBold;
            canvas.TextOut(x, y + titleHeight, row.heading);
            canvas.Font().Style = 0;
            x += headingWidth;
            for (const auto& shot : row.shots) {
                canvas.TextOut(x, y, shot.title);
                canvas.Draw(x, y + titleHeight, shot.picture);
                x += std::max(shot.picture.Width(), 70) + gap;
                h = std::max(h, shot.picture.Height());
            }
            y += titleHeight + h + gap;
        }
        return sheet;
    }

private:
    struct TShot {
        std::string title;
        TBitmap picture;
    };
    struct TRow {
        std::string heading;
        std::vector<TShot> shots;
    };

    TBitmap Photograph(const TCell& cell)
    {
        TForm* stage = app_.CreateForm<TForm>();
        stage->SetBorderStyle(TFormBorderStyle::bsNone);
        stage->SetBounds(0, 0, 400, 300);
        stage->SetColor(RGB(236, 238, 242));
        stage->Show();
        TControl* control = cell.make(stage);
        control->SetLeft(20);
        control->SetTop(20);
        GiveSkin(control);
        app_.ProcessMessages();
        cell.state(control);
        screen_.Advance(300); // morphs finish
        app_.ProcessMessages();
        const TPoint origin = control->ClientToScreen({0, 0});
        TBitmap shot(control->Width() + 8, control->Height() + 8);
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x) shot.SetPixel(x, y, screen_.ScreenPixel(origin.x - 4 + x, origin.y - 4 + y));
        screen_.MouseUp();
        screen_.MouseMove(799, 599);
        stage->Release();
        app_.ProcessMessages();
        return shot;
    }

    // Binds the control, and every control inside it, to the sheet's skin.
    void GiveSkin(TControl* control)
    {
        if (auto* c = dynamic_cast<TbsSkinControl*>(control)) c->SetSkinData(skin_);
        else if (auto* g = dynamic_cast<TbsGraphicSkinControl*>(control)) g->SetSkinData(skin_);
        else if (auto* l = dynamic_cast<TbsSkinStdLabel*>(control)) l->SetSkinData(skin_);
        else if (auto* e = dynamic_cast<TbsSkinEdit*>(control)) e->SetSkinData(skin_);
        else if (auto* n = dynamic_cast<TbsSkinNumericEdit*>(control)) n->SetSkinData(skin_);
        else if (auto* m = dynamic_cast<TbsSkinMemo*>(control)) m->SetSkinData(skin_);
        else if (auto* v = dynamic_cast<TbsSkinCustomListView*>(control)) v->SetSkinData(skin_);
        else if (auto* t = dynamic_cast<TbsSkinCustomTreeView*>(control)) t->SetSkinData(skin_);
        else if (auto* s = dynamic_cast<TbsSkinSplitter*>(control)) s->SetSkinData(skin_);
        else if (auto* p = dynamic_cast<TbsSkinPageControl*>(control)) p->SetSkinData(skin_);
        if (auto* parent = dynamic_cast<TWinControl*>(control))
            for (int i = 0; i < parent->ControlCount(); ++i) GiveSkin(parent->Controls(i));
    }

    THeadlessBackend& screen_;
    TApplication& app_;
    TbsSkinData* skin_;
    std::vector<TRow> rows_;
};

template <class T>
std::function<TControl*(TForm*)> Make(std::function<void(T*)> setUp = [](T*) {})
{
    return [setUp](TForm* form) {
        auto* c = new T(form);
        c->SetParent(form);
        setUp(c);
        return c;
    };
}

void Hover(THeadlessBackend& screen, TControl* c, int x, int y)
{
    TPoint p = c->ClientToScreen({x, y});
    screen.MouseMove(p.x, p.y);
}

void FillListsAndTextRows(TSheet& sheet, THeadlessBackend& screen);

void FillSheet(TSheet& sheet, THeadlessBackend& screen)
{
    auto hover = [&screen](TControl* c) { Hover(screen, c, c->Width() / 2, c->Height() / 2); };
    auto press = [&screen, hover](TControl* c) {
        hover(c);
        screen.MouseDown();
    };
    auto disable = [](TControl* c) { c->SetEnabled(false); };
    auto focus = [](TControl* c) { static_cast<TWinControl*>(c)->SetFocus(); };
    auto button = Make<TbsSkinButton>([](TbsSkinButton* b) { b->SetCaption("&Open"); });
    auto glyphButton = Make<TbsSkinButton>([](TbsSkinButton* b) {
        b->SetCaption("Save");
        b->SetGlyph(GlyphStrip(4));
        b->SetNumGlyphs(4);
        b->SetWidth(90);
    });
    sheet.Row("Button", {{"normal", button}, {"hot", button, hover}, {"pressed", button, press},
                         {"focused", button, focus}, {"disabled", button, disable},
                         {"glyph", glyphButton}, {"glyph hot", glyphButton, hover}, {"glyph down", glyphButton, press},
                         {"glyph off", glyphButton, disable}});
    auto tool = Make<TbsSkinSpeedButton>([](TbsSkinSpeedButton* b) { b->SetGlyph(GlyphStrip(1)); });
    auto sticky = Make<TbsSkinSpeedButton>([](TbsSkinSpeedButton* b) {
        b->SetGlyph(GlyphStrip(1));
        b->SetGroupIndex(1);
        b->SetDown(true);
    });
    auto flat = Make<TbsSkinSpeedButton>([](TbsSkinSpeedButton* b) {
        b->SetGlyph(GlyphStrip(1));
        b->SetFlat(true);
    });
    auto captioned = Make<TbsSkinSpeedButton>([](TbsSkinSpeedButton* b) {
        b->SetGlyph(GlyphStrip(1));
        b->SetCaption("Zoom");
        b->SetLayout(TButtonLayout::blGlyphTop);
        b->SetBounds(0, 0, 50, 44);
    });
    sheet.Row("Speed button", {{"normal", tool}, {"hot", tool, hover}, {"pressed", tool, press}, {"sticky", sticky},
                               {"disabled", tool, disable}, {"flat", flat}, {"flat hot", flat, hover},
                               {"caption", captioned}, {"caption hot", captioned, hover}});
    auto bar = Make<TbsSkinTrackBar>([](TbsSkinTrackBar* b) {
        b->SetBounds(0, 0, 150, 20);
        b->SetValue(75);
    });
    auto standing = Make<TbsSkinTrackBar>([](TbsSkinTrackBar* b) {
        b->SetVertical(true);
        b->SetBounds(0, 0, 20, 100);
        b->SetValue(30);
    });
    auto focusable = Make<TbsSkinTrackBar>([](TbsSkinTrackBar* b) {
        b->SetBounds(0, 0, 150, 20);
        b->SetCanFocused(true);
        b->SetValue(0);
    });
    sheet.Row("Track bar", {{"75 of 100", bar}, {"dragged", bar, [&screen](TControl* c) {
                                 auto* b = static_cast<TbsSkinTrackBar*>(c);
                                 Hover(screen, b, (b->ThumbRect().Left + b->ThumbRect().Right) / 2, b->Height() / 2);
                                 screen.MouseDown();
                             }},
                            {"focused at 0", focusable, focus}, {"standing 30", standing}, {"disabled", bar, disable}});
    auto gauge = Make<TbsSkinGauge>([](TbsSkinGauge* g) {
        g->SetSkinDataName("statusgauge");
        g->SetShowPercent(true);
        g->SetValue(64);
    });
    auto empty = Make<TbsSkinGauge>([](TbsSkinGauge* g) {
        g->SetShowPercent(true);
        g->SetValue(0);
    });
    auto full = Make<TbsSkinGauge>([](TbsSkinGauge* g) {
        g->SetShowProgressText(true);
        g->SetProgressText("Done ");
        g->SetShowPercent(true);
        g->SetValue(100);
    });
    auto vgauge = Make<TbsSkinGauge>([](TbsSkinGauge* g) {
        g->SetVertical(true);
        g->SetBounds(0, 0, 24, 100);
        g->SetShowPercent(true);
        g->SetValue(40);
    });
    sheet.Row("Gauge", {{"64%", gauge}, {"empty", empty}, {"full", full}, {"standing", vgauge}});
    auto label = Make<TbsSkinLabel>([](TbsSkinLabel* l) { l->SetCaption("图片压缩 label"); l->SetWidth(120); });
    auto centred = Make<TbsSkinLabel>([](TbsSkinLabel* l) {
        l->SetCaption("centred");
        l->SetAlignment(TAlignment::taCenter);
        l->SetWidth(120);
    });
    auto std = Make<TbsSkinStdLabel>([](TbsSkinStdLabel* l) { l->SetCaption("Plain text"); });
    auto link = Make<TbsSkinLinkLabel>([](TbsSkinLinkLabel* l) { l->SetCaption("www.example.org"); });
    auto status = Make<TbsSkinStatusPanel>([](TbsSkinStatusPanel* p) {
        p->SetCaption("未加载图片");
        p->SetGlyph(GlyphStrip(2));
        p->SetNumGlyphs(2);
        p->SetAutoSize(true);
    });
    sheet.Row("Labels", {{"label", label}, {"centred", centred}, {"disabled", label, disable}, {"std label", std},
                         {"std disabled", std, disable}, {"link", link}, {"link hot", link, hover},
                         {"status panel", status}, {"status off", status, disable}});
    auto check = Make<TbsSkinCheckRadioBox>([](TbsSkinCheckRadioBox* b) {
        b->SetCaption("&Keep proportions");
        b->SetWidth(140);
    });
    auto checked = Make<TbsSkinCheckRadioBox>([](TbsSkinCheckRadioBox* b) {
        b->SetCaption("Checked");
        b->SetChecked(true);
        b->SetWidth(100);
    });
    auto radio = Make<TbsSkinCheckRadioBox>([](TbsSkinCheckRadioBox* b) {
        b->SetRadio(true);
        b->SetCaption("Radio");
        b->SetChecked(true);
        b->SetWidth(100);
    });
    auto framed = Make<TbsSkinCheckRadioBox>([](TbsSkinCheckRadioBox* b) {
        b->SetFlat(false);
        b->SetCaption("Not flat");
        b->SetWidth(100);
    });
    sheet.Row("Check box", {{"unchecked", check}, {"hot", check, hover}, {"focused", check, focus}, {"checked", checked},
                            {"checked off", checked, disable}, {"radio", radio}, {"radio hot", radio, hover},
                            {"not flat", framed}, {"not flat hot", framed, hover}});
    auto panel = Make<TbsSkinPanel>([](TbsSkinPanel* p) { p->SetBounds(0, 0, 120, 70); });
    auto titled = Make<TbsSkinPanel>([](TbsSkinPanel* p) {
        p->SetBounds(0, 0, 150, 80);
        p->SetCaptionMode(true);
        p->SetCheckedMode(true);
        p->SetChecked(true);
        p->SetRollUpMode(true);
        p->SetCaption("Custom size");
    });
    auto group = Make<TbsSkinGroupBox>([](TbsSkinGroupBox* g) {
        g->SetBounds(0, 0, 150, 80);
        g->SetCaption("帮助");
    });
    auto ex = Make<TbsSkinExPanel>([](TbsSkinExPanel* p) {
        p->SetBounds(0, 0, 150, 80);
        p->SetCaption("Batch");
    });
    auto rolled = Make<TbsSkinExPanel>([](TbsSkinExPanel* p) {
        p->SetBounds(0, 0, 150, 80);
        p->SetCaption("Rolled");
        p->SetRollState(true);
    });
    auto sideways = Make<TbsSkinExPanel>([](TbsSkinExPanel* p) {
        p->SetBounds(0, 0, 150, 100);
        p->SetCaption("Sideways");
        p->SetRollKind(TbsRollKind::rkRollHorizontal);
        p->SetRollState(true);
    });
    auto statusBar = Make<TbsSkinStatusBar>([](TbsSkinStatusBar* s) {
        s->SetAlign(TAlign::alNone);
        s->SetBounds(0, 0, 260, 21);
        auto* first = new TbsSkinStatusPanel(s);
        first->SetParent(s);
        first->SetAlign(TAlign::alLeft);
        first->SetCaption("加载文件");
        auto* second = new TbsSkinStatusPanel(s);
        second->SetParent(s);
        second->SetAlign(TAlign::alClient);
        second->SetCaption("640 x 480");
    });
    sheet.Row("Panels", {{"panel", panel}, {"caption, check, roll", titled}, {"group box", group}, {"roll-up panel", ex},
                         {"close hot", ex, [&screen](TControl* c) {
                              auto* p = static_cast<TbsSkinExPanel*>(c);
                              const TRect r = p->CloseButtonRect();
                              Hover(screen, p, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
                          }},
                         {"rolled up", rolled}, {"rolled sideways", sideways}, {"status bar", statusBar}});
    FillListsAndTextRows(sheet, screen);
}

// A plain panel holding a control and the skinned bar that scrolls it, side by side.
template <class T>
std::function<TControl*(TForm*)> WithBar(int width, int height, std::function<void(T*, TbsSkinScrollBar*)> setUp)
{
    return [=](TForm* form) {
        auto* box = new TPanel(form);
        box->SetParent(form);
        box->SetBevelOuter(TBevelCut::bvNone);
        box->SetBounds(0, 0, width, height);
        auto* bar = new TbsSkinScrollBar(form);
        bar->SetParent(box);
        bar->SetKind(TbsScrollBarKind::sbVertical);
        bar->SetSkinDataName("vscrollbar");
        bar->SetAlign(TAlign::alRight);
        bar->SetWidth(19);
        auto* c = new T(form);
        c->SetParent(box);
        c->SetAlign(TAlign::alClient);
        setUp(c, bar);
        return box;
    };
}

void FillListsAndTextRows(TSheet& sheet, THeadlessBackend& screen)
{
    auto hover = [&screen](TControl* c) { Hover(screen, c, c->Width() / 2, c->Height() / 2); };
    auto disable = [](TControl* c) { c->SetEnabled(false); };
    auto focus = [](TControl* c) { static_cast<TWinControl*>(c)->SetFocus(); };
    auto hbar = Make<TbsSkinScrollBar>([](TbsSkinScrollBar* b) {
        b->SetBounds(0, 0, 180, 19);
        b->SetRange(0, 99, 20, 30);
    });
    auto vbar = Make<TbsSkinScrollBar>([](TbsSkinScrollBar* b) {
        b->SetKind(TbsScrollBarKind::sbVertical);
        b->SetSkinDataName("vscrollbar");
        b->SetBounds(0, 0, 19, 120);
        b->SetPosition(60);
    });
    auto upDown = Make<TbsSkinUpDown>();
    auto vUpDown = Make<TbsSkinUpDown>([](TbsSkinUpDown* u) {
        u->SetOrientation(TbsUpDownOrientation::udVertical);
        u->SetSkinDataName("vupdown");
        u->SetBounds(0, 0, 20, 40);
    });
    sheet.Row("Scroll bar", {{"page 20 at 30", hbar}, {"thumb hot", hbar, [&screen](TControl* c) {
                                  auto* b = static_cast<TbsSkinScrollBar*>(c);
                                  const TRect t = b->Layout().Thumb();
                                  Hover(screen, b, (t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2);
                              }},
                             {"arrow pressed", hbar, [&screen](TControl* c) {
                                  Hover(screen, c, 5, c->Height() / 2);
                                  screen.MouseDown();
                              }},
                             {"disabled", hbar, disable}, {"standing", vbar}, {"up-down", upDown},
                             {"up-down hot", upDown, hover}, {"standing up-down", vUpDown}});
    auto edit = Make<TbsSkinEdit>([](TbsSkinEdit* e) {
        e->SetWidth(140);
        e->SetText("D:\\图片\\output");
    });
    auto buttonEdit = Make<TbsSkinEdit>([](TbsSkinEdit* e) {
        e->SetSkinDataName("buttonedit");
        e->SetButtonMode(true);
        e->SetWidth(140);
        e->SetText("with a button");
    });
    auto number = Make<TbsSkinNumericEdit>([](TbsSkinNumericEdit* n) {
        n->SetMaxValue(10000);
        n->SetValue(640);
    });
    auto memo = WithBar<TbsSkinMemo>(220, 90, [](TbsSkinMemo* m, TbsSkinScrollBar* bar) {
        std::string text;
        for (int i = 1; i <= 12; ++i) text += "第" + std::to_string(i) + "行: usage notes\n";
        m->SetText(text);
        m->SetVScrollBar(bar);
    });
    sheet.Row("Edits", {{"edit", edit}, {"hot", edit, hover}, {"focused", edit, focus}, {"disabled", edit, disable},
                        {"button edit", buttonEdit}, {"numeric", number}, {"memo and bar", memo}});
    auto names = std::vector<std::string>{"apple.jpg", "banana.bmp", "berry.jpg", "cherry.jpg", "date.bmp",
                                          "fig.jpg", "grape.jpg", "kiwi.bmp", "lemon.jpg", "mango.jpg"};
    auto listBox = Make<TbsSkinListBox>([names](TbsSkinListBox* l) {
        l->SetBounds(0, 0, 140, 110);
        for (const auto& n : names) l->Items().Add(n);
        l->SetItemIndex(2);
    });
    auto combo = Make<TbsSkinComboBox>([names](TbsSkinComboBox* c) {
        c->SetWidth(140);
        for (const auto& n : names) c->Items().Add(n);
        c->SetItemIndex(1);
    });
    auto editCombo = Make<TbsSkinComboBox>([names](TbsSkinComboBox* c) {
        c->SetWidth(140);
        c->SetStyle(TbsComboBoxStyle::bscbEditStyle);
        for (const auto& n : names) c->Items().Add(n);
        c->SetItemIndex(3);
    });
    sheet.Row("Lists", {{"list box", listBox}, {"combo box", combo}, {"combo hot", combo, hover},
                        {"combo focused", combo, focus}, {"combo off", combo, disable}, {"edit style", editCombo}});
    auto listView = WithBar<TbsSkinListView>(260, 120, [names](TbsSkinListView* v, TbsSkinScrollBar* bar) {
        v->SetViewStyle(TViewStyle::vsReport);
        v->SetRowSelect(true);
        for (const char* caption : {"File", "Size"}) {
            TListColumn* column = v->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(110);
        }
        for (const auto& n : names) v->Items().Add()->SetCaption(n);
        v->SetItemSelected(1, true);
        v->SetVScrollBar(bar);
    });
    auto tree = WithBar<TbsSkinCustomTreeView>(180, 120, [names](TbsSkinCustomTreeView* t, TbsSkinScrollBar* bar) {
        TTreeNode* root = t->Items().Add(nullptr, "Pictures");
        for (const auto& n : names) t->Items().AddChild(root, n);
        root->Expand(false);
        t->SetVScrollBar(bar);
    });
    auto splitter = Make<TbsSkinSplitter>([](TbsSkinSplitter* s) {
        s->SetSkinDataName("hsplitter");
        s->SetAlign(TAlign::alNone);
        s->SetBounds(0, 0, 120, 10);
    });
    auto box = Make<TbsSkinScrollBox>([](TbsSkinScrollBox* b) {
        b->SetBounds(0, 0, 120, 90);
        auto* inside = new TPanel(b);
        inside->SetParent(b);
        inside->SetBounds(10, 10, 60, 40);
        inside->SetCaption("child");
    });
    auto pages = Make<TbsSkinPageControl>([](TbsSkinPageControl* p) {
        p->SetBounds(0, 0, 260, 110);
        for (const char* caption : {"图片处理", "批量压缩", "帮助"}) {
            auto* page = new TbsSkinTabSheet(p);
            page->SetCaption(caption);
            page->SetPageControl(p);
        }
    });
    sheet.Row("Views", {{"list view", listView}, {"tree view", tree}, {"splitter", splitter}, {"scroll box", box},
                        {"page control", pages}, {"tab hot", pages, [&screen](TControl* c) {
                             auto* p = static_cast<TbsSkinPageControl*>(c);
                             const TRect r = p->TabRect(1);
                             Hover(screen, p, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
                         }}});
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    THeadlessOptions options;
    options.width = 800;
    options.height = 600;
    auto backend = std::make_unique<THeadlessBackend>(options);
    THeadlessBackend& screen = *backend;
    TWindowSystem ws(std::move(backend));
    TApplication app;
    TbsStoredSkin stored;
    LoadProgramSkin(stored);
    TbsSkinData skin;
    skin.ApplyStoredSkin(stored);
    for (TbsSkinData* look : {&skin, static_cast<TbsSkinData*>(nullptr)}) {
        TSheet sheet(screen, app, look);
        FillSheet(sheet, screen);
        const std::string path = folder + (look ? "/skinned-controls.png" : "/plain-controls.png");
        WritePngFile(sheet.Compose(), path);
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
