#include "ui/HintWindow.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/Screen.h"
#include "wsys/CursorImage.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kPadX = 4;
constexpr int kPadY = 2;
constexpr unsigned kTextFlags = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

} // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    SetVisible(false);
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(Font().Request());
    int widest = std::max(1, maxWidth - 2 * kPadX - 2);
    TRect r{0, 0, widest, 0};
    canvas.DrawText(hint, r, (kTextFlags & ~unsigned(DT_WORDBREAK)) | DT_CALCRECT);
    if (r.Width() > widest) {
        r = {0, 0, widest, 0};
        canvas.DrawText(hint, r, kTextFlags | DT_CALCRECT);
    }
    // The window's one-pixel border lies outside the padding.
    return {0, 0, r.Width() + 2 * kPadX + 2, r.Height() + 2 * kPadY + 2};
}

void THintWindow::ActivateHint(TRect rect, const std::string& hint)
{
    SetCaption(hint);
    TRect screen = Screen()->WorkAreaRect();
    int w = rect.Width(), h = rect.Height();
    int left = std::max(screen.Left, std::min(rect.Left, screen.Right - w));
    int top = rect.Top;
    if (top + h > screen.Bottom) top = std::max(screen.Top, screen.Bottom - h);
    SetBounds(left, top, w, h);
    HWND handle = Handle();
    SetWindowPos(handle, HWND_TOPMOST, left, top, w, h, SWP_NOACTIVATE);
    Invalidate();
    Show();
    UpdateWindow(handle);
}

void THintWindow::HideHint() { Hide(); }

TPoint HintPosNearPointer(TPoint cursor, TSize size)
{
    const int below = cursor.y + CursorBottomOffset();
    MONITORINFO info;
    TRect area;
    if (GetMonitorInfo(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &info)) area = info.rcWork;
    else SystemParametersInfo(SPI_GETWORKAREA, 0, &area);
    if (below + size.cy <= area.Bottom) return {cursor.x, below};
    return {cursor.x, cursor.y - size.cy - 2};
}

bool THintWindow::HintShowing() const { return Visible() && HandleAllocated(); }

void THintWindow::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    c.Brush().Color = Color();
    c.FillRect(client);
    c.Brush().Style = TBrushStyle::bsClear;
    c.SetFont(Font().Request());
    TRect text = client.Inflate(-kPadX, -kPadY);
    c.DrawText(Caption(), text, kTextFlags);
}

} // namespace tavrik
