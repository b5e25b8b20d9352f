#include "app/frmScreen.h"

#include "gfx/Canvas.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <cstdlib>

namespace tavrik {

TfrmScreen::TfrmScreen(TComponent* owner) : TForm(owner)
{
    SetName("frmScreen");
    SetCaption("frmScreen");
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetWindowState(TWindowState::wsMaximized);
    SetKeyPreview(true);
    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetAlign(TAlign::alClient);
    Image1->SetCursor(crCross);
    Image1->OnMouseDown = [this](TComponent* s, TMouseButton b, TShiftState sh, int x, int y) {
        Image1MouseDown(s, b, sh, x, y);
    };
    Image1->OnMouseMove = [this](TComponent* s, TShiftState sh, int x, int y) { Image1MouseMove(s, sh, x, y); };
    OnShow = [this](TComponent* s) { FormShow(s); };
}

void TfrmScreen::FormShow(TComponent*)
{
    // The primary screen from its top-left corner, taken before this window covers it.
    TBitmap shot = CaptureScreen(Bounds(0, 0, Screen()->Width(), Screen()->Height()));
    SetBounds(0, 0, shot.Width(), shot.Height());
    Image1->Picture().SetBitmap(std::move(shot));
    MessageBeep(0);
}

void TfrmScreen::InvertBand(int x1, int y1, int x2, int y2)
{
    TBitmap* shot = Image1->Picture().Graphic();
    if (!shot) return;
    TCanvas canvas(*shot);
    canvas.Pen().Color = clBlack;
    canvas.Pen().Mode = TPenMode::pmNot;
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.Rectangle(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    Image1->Invalidate();
}

void TfrmScreen::Image1MouseDown(TComponent*, TMouseButton button, TShiftState, int x, int y)
{
    if (!Selecting) {
        if (button == TMouseButton::Right) {
            Abandon();
            return;
        }
        StartX = CurX = x;
        StartY = CurY = y;
        Selecting = true;
        return;
    }
    EndX = x;
    EndY = y;
    Selecting = false;
    InvertBand(StartX, StartY, CurX, CurY);
    int w = std::abs(EndX - StartX), h = std::abs(EndY - StartY);
    if (host_.view) {
        host_.view->SetWidth(w);
        host_.view->SetHeight(h);
    }
    TBitmap part(w, h);
    if (const TBitmap* shot = Image1->Picture().Graphic(); shot && w > 0 && h > 0) {
        TCanvas canvas(part);
        canvas.CopyRect({0, 0, w, h}, *shot, Bounds(std::min(StartX, EndX), std::min(StartY, EndY), w, h));
    }
    if (host_.view) SetWorkPicture(host_.view, part);
    if (OnCaptured) OnCaptured(this);
    Finish();
}

void TfrmScreen::Image1MouseMove(TComponent*, TShiftState, int x, int y)
{
    if (!Selecting) return;
    InvertBand(StartX, StartY, CurX, CurY);
    InvertBand(StartX, StartY, x, y);
    CurX = x;
    CurY = y;
}

void TfrmScreen::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_ESCAPE) {
        key = 0;
        Abandon();
        return;
    }
    TForm::KeyDown(key, shift);
}

void TfrmScreen::Abandon()
{
    if (Selecting) InvertBand(StartX, StartY, CurX, CurY);
    Selecting = false;
    Finish();
}

void TfrmScreen::Finish()
{
    Close();
    if (host_.window) {
        host_.window->Show();
        host_.window->BringToFront();
    }
}

} // namespace tavrik
