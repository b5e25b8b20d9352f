#include "wsys/TrayTip.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr std::string_view kClassName = "TavrikTrayTip";
constexpr int kPad = 3;            // around the text, inside the one-pixel frame
constexpr int kBelowCursor = 20;   // the arrow's visible part ends about here below its hot spot
constexpr unsigned kTextFlags = DT_LEFT | DT_NOPREFIX;

TFontRequest TipFont()
{
    TFontRequest font;
    font.Color = clInfoText;
    return font;
}

TSize WindowSizeFor(const std::string& text)
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(TipFont());
    TRect r{0, 0, 0, 0};
    canvas.DrawText(text, r, kTextFlags | DT_CALCRECT);
    return {r.Width() + 2 * kPad + 2, r.Height() + 2 * kPad + 2};
}

} // namespace

TTrayTip::TTrayTip()
{
    WNDCLASS wc;
    wc.lpfnWndProc = &TTrayTip::Proc;
    wc.lpszClassName = std::string(kClassName);
    RegisterClass(wc); // already there for the second tip of a program: fine
    hwnd_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, "", WS_POPUP, 0, 0, 1, 1,
                           nullptr);
    if (hwnd_) SetProp(hwnd_, "TTrayTip", reinterpret_cast<intptr_t>(this));
}

TTrayTip::~TTrayTip()
{
    if (hwnd_) DestroyWindow(hwnd_);
}

void TTrayTip::Show(const std::string& text, TPoint cursor)
{
    if (!hwnd_) return;
    SetWindowText(hwnd_, text);
    TSize size = WindowSizeFor(text);
    MONITORINFO info;
    GetMonitorInfo(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &info);
    const TRect& work = info.rcWork;
    // Below the pointer when there is room, else above it; never off the monitor's side.
    int x = std::max(work.Left, std::min(cursor.x, work.Right - size.cx));
    int y = cursor.y + kBelowCursor;
    if (y + size.cy > work.Bottom) y = std::max(work.Top, cursor.y - size.cy);
    SetWindowPos(hwnd_, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, false);
}

void TTrayTip::Hide()
{
    if (Visible()) ShowWindow(hwnd_, SW_HIDE);
}

bool TTrayTip::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

LRESULT TTrayTip::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* tip = reinterpret_cast<TTrayTip*>(GetProp(hwnd, "TTrayTip"));
    switch (msg) {
    case WM_PAINT:
        if (tip) tip->Paint();
        else ValidateRect(hwnd, nullptr);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (tip) tip->Hide(); // a tip in the way goes with a click, as any tool-tip does
        return 0;
    default: return DefWindowProc(hwnd, msg, wp, lp);
    }
}

void TTrayTip::Paint()
{
    TPaintDC dc(hwnd_);
    TCanvas& c = dc.Canvas();
    TRect all = GetClientRect(hwnd_);
    c.Brush().Color = clInfoBk;
    c.FillRect(all);
    c.Brush().Color = clBtnShadow;
    c.FrameRect(all);
    c.Brush().Style = TBrushStyle::bsClear;
    c.SetFont(TipFont());
    TRect text = all.Inflate(-(kPad + 1), -(kPad + 1));
    c.DrawText(GetWindowText(hwnd_), text, kTextFlags);
}

} // namespace tavrik
