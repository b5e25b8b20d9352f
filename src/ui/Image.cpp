#include "ui/Image.h"

#include "gfx/Canvas.h"

namespace tavrik {

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    picture_.OnChange = [this] { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TRect TImage::DestRect() const
{
    int w = picture_.Width(), h = picture_.Height();
    int cw = ClientWidth(), ch = ClientHeight();
    if (stretch_) {
        w = cw;
        h = ch;
    }
    TRect r{0, 0, w, h};
    if (center_) r = r.Offset((cw - w) / 2, (ch - h) / 2);
    return r;
}

bool TImage::CanAutoSize(int& width, int& height)
{
    if (picture_.Width() <= 0 || picture_.Height() <= 0) return false;
    TAlign a = Align();
    if (a == TAlign::alNone || a == TAlign::alLeft || a == TAlign::alRight) width = picture_.Width();
    if (a == TAlign::alNone || a == TAlign::alTop || a == TAlign::alBottom) height = picture_.Height();
    return true;
}

void TImage::Resize()
{
    UpdateOpacity();
    TGraphicControl::Resize();
}

void TImage::PictureChanged()
{
    if (AutoSize() && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    UpdateOpacity();
    Invalidate();
}

void TImage::UpdateOpacity()
{
    TRect d = DestRect();
    bool covers = picture_.Graphic() && !transparent_ && d.Left <= 0 && d.Top <= 0 && d.Right >= Width() &&
                  d.Bottom >= Height();
    SetControlStyle(covers ? ControlStyle() | csOpaque : ControlStyle() & ~unsigned(csOpaque));
}

void TImage::SetStretch(bool on)
{
    if (on == stretch_) return;
    stretch_ = on;
    UpdateOpacity();
    Invalidate();
}

void TImage::SetCenter(bool on)
{
    if (on == center_) return;
    center_ = on;
    UpdateOpacity();
    Invalidate();
}

void TImage::SetTransparent(bool on)
{
    if (on == transparent_) return;
    transparent_ = on;
    UpdateOpacity();
    Invalidate();
}

void TImage::Paint()
{
    const TBitmap* picture = picture_.Graphic();
    if (!picture || picture->Empty()) return;
    TCanvas& c = *Canvas();
    TRect d = DestRect();
    bool scaled = d.Width() != picture->Width() || d.Height() != picture->Height();
    if (!transparent_) {
        if (scaled) c.StretchDraw(d, *picture);
        else c.Draw(d.Left, d.Top, *picture);
    } else if (picture->PixelFormat() == TPixelFormat::pf32bit && !scaled) {
        c.DrawAlpha(d.Left, d.Top, *picture);
    } else {
        TColor key = TCanvas::TransparentColorOf(*picture);
        if (scaled) c.StretchDrawTransparent(d, *picture, key);
        else c.DrawTransparent(d.Left, d.Top, *picture, key);
    }
}

} // namespace tavrik
