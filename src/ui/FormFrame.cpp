#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/SystemIcons.h"
#include "gfx/TextLayout.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"

namespace tavrik {

// The window system's default frame draws the border and an empty caption bar; a form adds
// its icon, its caption text and the caption buttons, flat, in the caption's colours:
//
//     | [icon] Caption text                          [-] [o] [x] |
//
// A button acts when the mouse is released over the button it was pressed on.
namespace {

constexpr int kButtonWidth = 26;

int BorderOf(HWND h)
{
    return ClientToScreen(h, {0, 0}).x - GetWindowRect(h).Left;
}

TRect CaptionBar(HWND h)
{
    TRect window = GetWindowRect(h);
    int b = BorderOf(h);
    return {b, b, window.Width() - b, b + GetSystemMetrics(SM_CYCAPTION)};
}

bool IsCaptionButton(int hit) { return hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON; }

void DrawGlyph(TCanvas& c, int hit, const TRect& r, bool zoomed)
{
    int cx = r.Left + r.Width() / 2;
    int cy = r.Top + r.Height() / 2;
    switch (hit) {
    case HTCLOSE:
        // Two diagonals, two pixels wide.
        for (int i = -4; i <= 4; ++i) {
            c.FillRect(Bounds(cx + i, cy + i, 2, 1));
            c.FillRect(Bounds(cx + i, cy - i, 2, 1));
        }
        break;
    case HTMAXBUTTON:
        if (zoomed) {
            c.FrameRect(Bounds(cx - 3, cy - 2, 7, 7));
            c.FillRect(Bounds(cx - 1, cy - 4, 7, 1));
            c.FillRect(Bounds(cx + 5, cy - 4, 1, 7));
        } else {
            c.FrameRect(Bounds(cx - 4, cy - 4, 9, 9));
            c.FillRect(Bounds(cx - 4, cy - 3, 9, 1));
        }
        break;
    case HTMINBUTTON: c.FillRect(Bounds(cx - 4, cy + 2, 9, 2)); break;
    default: break;
    }
}

} // namespace

bool TForm::HasCaption() const
{
    return HandleAllocated() && (GetWindowLongPtr(const_cast<TForm*>(this)->Handle(), GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

std::vector<int> TForm::CaptionButtons() const
{
    std::vector<int> buttons;
    if (!HasCaption()) return buttons;
    LONG_PTR style = GetWindowLongPtr(const_cast<TForm*>(this)->Handle(), GWL_STYLE);
    if (!(style & WS_SYSMENU)) return buttons;
    buttons.push_back(HTCLOSE);
    if (style & WS_MAXIMIZEBOX) buttons.push_back(HTMAXBUTTON);
    if (style & WS_MINIMIZEBOX) buttons.push_back(HTMINBUTTON);
    return buttons;
}

TRect TForm::CaptionButtonRect(int index) const
{
    TRect bar = CaptionBar(const_cast<TForm*>(this)->Handle());
    int right = bar.Right - index * kButtonWidth;
    return {right - kButtonWidth, bar.Top, right, bar.Bottom};
}

int TForm::CaptionButtonAt(TPoint window) const
{
    std::vector<int> buttons = CaptionButtons();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (CaptionButtonRect(int(i)).Contains(window)) return buttons[i];
    return 0;
}

void TForm::PaintCaption()
{
    if (!HasCaption()) return;
    HWND h = Handle();
    HDC dc = GetWindowDC(h);
    if (!dc) return;
    bool active = GetActiveWindow() == h;
    TRect bar = CaptionBar(h);
    std::vector<int> buttons = CaptionButtons();
    TColor textColor = active ? clCaptionText : clInactiveCaptionText;
    int textLeft = bar.Left + 6;
    if (GetWindowLongPtr(h, GWL_STYLE) & WS_SYSMENU && borderStyle_ != TFormBorderStyle::bsDialog) {
        const TBitmap& icon = SystemIcon(TSystemIcon::Application, 16);
        dc->DrawAlpha(bar.Left + 3, bar.Top + (bar.Height() - 16) / 2, icon);
        textLeft = bar.Left + 23;
    }
    TFontRequest font = Font().Request();
    font.Style |= fsBold;
    font.Color = textColor;
    dc->SetFont(font);
    dc->Brush().Style = TBrushStyle::bsClear;
    TRect textRect{textLeft, bar.Top, bar.Right - int(buttons.size()) * kButtonWidth - 4, bar.Bottom};
    dc->DrawText(Caption(), textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    dc->Brush().Style = TBrushStyle::bsSolid;
    for (size_t i = 0; i < buttons.size(); ++i) {
        TRect r = CaptionButtonRect(int(i));
        int hit = buttons[i];
        bool down = pressedButton_ == hit && hotButton_ == hit;
        TColor glyph = textColor;
        if (down || hotButton_ == hit) {
            bool close = hit == HTCLOSE;
            dc->Brush().Color = close ? (down ? RGB(170, 20, 30) : RGB(220, 50, 50))
                                      : (down ? RGB(30, 90, 170) : RGB(90, 155, 235));
            if (!active && !close) dc->Brush().Color = down ? RGB(150, 150, 150) : RGB(185, 185, 185);
            dc->FillRect(r);
            if (close) glyph = clWhite;
        }
        dc->Brush().Color = glyph;
        DrawGlyph(*dc, hit, r, IsZoomed(h));
    }
    ReleaseDC(h, dc);
}

// The caption buttons are repainted only when the hot or the pressed button really changes.
void TForm::SetCaptionButtonState(int hot, int pressed)
{
    if (hot == hotButton_ && pressed == pressedButton_) return;
    hotButton_ = hot;
    pressedButton_ = pressed;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// Non-client mouse messages on the caption buttons, and the captured mouse while one is held.
bool TForm::CaptionMouse(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCPAINT:
        DefaultHandler(m);
        PaintCaption();
        return true;
    case WM_NCHITTEST: {
        DefaultHandler(m);
        if (m.Result != HTCAPTION) return true;
        TRect w = GetWindowRect(Handle());
        TPoint p = LParamToPoint(m.LParam);
        if (int hit = CaptionButtonAt({p.x - w.Left, p.y - w.Top})) m.Result = hit;
        return true;
    }
    case WM_NCMOUSEMOVE: {
        SetCaptionButtonState(IsCaptionButton(int(m.WParam)) ? int(m.WParam) : 0, pressedButton_);
        TRACKMOUSEEVENT track{TME_LEAVE | TME_NONCLIENT, Handle(), 0};
        TrackMouseEvent(&track);
        DefaultHandler(m);
        return true;
    }
    case WM_NCMOUSELEAVE:
        if (!pressedButton_) SetCaptionButtonState(0, 0);
        DefaultHandler(m);
        return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (!IsCaptionButton(int(m.WParam))) return false;
        SetCaptionButtonState(int(m.WParam), int(m.WParam));
        SetCapture(Handle());
        return true;
    case WM_CAPTURECHANGED:
        if (pressedButton_) SetCaptionButtonState(0, 0);
        return false;
    default: break;
    }
    if (!pressedButton_ || (m.Msg != WM_MOUSEMOVE && m.Msg != WM_LBUTTONUP)) return false;
    TRect w = GetWindowRect(Handle());
    TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
    int hit = CaptionButtonAt({screen.x - w.Left, screen.y - w.Top});
    int pressed = pressedButton_;
    if (m.Msg == WM_MOUSEMOVE) {
        SetCaptionButtonState(hit == pressed ? hit : 0, pressed);
        return true;
    }
    ReleaseCapture(); // clears the pressed state through WM_CAPTURECHANGED
    if (hit != pressed) return true;
    WPARAM command = hit == HTCLOSE ? SC_CLOSE : hit == HTMINBUTTON ? SC_MINIMIZE : IsZoomed(Handle()) ? SC_RESTORE : SC_MAXIMIZE;
    SendMessage(Handle(), WM_SYSCOMMAND, command, 0);
    return true;
}

} // namespace tavrik
