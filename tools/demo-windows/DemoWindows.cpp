// tavrik-demo-windows [--seconds N]
//
// Opens a window shaped as a rounded rectangle with a hole, a popup list beside it and a
// dialog above it. Drag the dark band to move the window and its lower right corner to size
// it; type to see the keys and text arrive (an input method works too); right-click for the
// popup, Ctrl+C / Ctrl+V for the clipboard; Esc closes the dialog, closing the main window ends.

#include "DemoDisplay.h"
#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "gfx/SystemColors.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace tavrik;

namespace {

constexpr int kCaption = 30;
constexpr int kGrip = 16;
constexpr int kRadius = 18;

struct TDemo {
    HWND main = nullptr;
    HWND popup = nullptr;
    HWND dialog = nullptr;
    std::string typed = "Type here: ";
    std::string lastKey;
    int hotItem = -1;
};

TDemo demo;
const char* const kItems[] = {"Open picture…", "Save as JPEG", "图片压缩", "Close"};
constexpr int kItemHeight = 24;

TRegion RoundedWithHole(int width, int height)
{
    // Each corner row is cut where the circle of the corner passes; the hole is a window
    // onto whatever lies behind.
    std::vector<TRect> rows;
    for (int y = 0; y < kRadius; ++y) {
        double dy = kRadius - y - 0.5;
        int inset = int(std::lround(kRadius - std::sqrt(double(kRadius * kRadius) - dy * dy)));
        rows.push_back(Rect(inset, y, width - inset, y + 1));
        rows.push_back(Rect(inset, height - 1 - y, width - inset, height - y));
    }
    rows.push_back(Rect(0, kRadius, width, height - kRadius));
    TRegion shape = TRegion::FromRects(rows);
    return shape - TRegion(Bounds(width - 90, kCaption + 40, 50, 50));
}

void PaintMain(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    TRect r = GetClientRect(hwnd);
    dc->Brush().Color = RGB(236, 240, 245);
    dc->FillRect(r);
    dc->Brush().Color = GetActiveWindow() == hwnd ? RGB(40, 70, 120) : RGB(110, 120, 135);
    dc->FillRect(Rect(0, 0, r.Right, kCaption));
    dc->Brush().Style = TBrushStyle::bsClear;
    dc->Font().Name = "Arial";
    dc->Font().Height = -15;
    dc->Font().Color = clWhite;
    dc->TextOut(kRadius, 7, "Tavrik 图片压缩 — drag this band to move");
    dc->Font().Color = RGB(20, 20, 20);
    dc->Font().Height = -14;
    dc->TextOut(16, kCaption + 14, demo.typed);
    dc->TextOut(16, kCaption + 38, "Last key: " + demo.lastKey);
    dc->TextOut(16, kCaption + 62, "Right-click: popup   Ctrl+C/V: clipboard");
    dc->Brush().Style = TBrushStyle::bsSolid;
    dc->Brush().Color = RGB(200, 120, 40);
    for (int i = 0; i < 3; ++i) dc->FillRect(Rect(r.Right - kGrip + 5 * i, r.Bottom - 4 - 5 * i, r.Right - 2, r.Bottom - 2 - 5 * i));
    EndPaint(hwnd, &ps);
}

void PaintPopup(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    TRect r = GetClientRect(hwnd);
    dc->Brush().Color = RGB(255, 252, 230);
    dc->FillRect(r);
    dc->Pen().Color = RGB(120, 110, 60);
    dc->Brush().Style = TBrushStyle::bsClear;
    dc->Rectangle(r);
    dc->Font().Name = "Arial";
    dc->Font().Height = -14;
    for (int i = 0; i < int(std::size(kItems)); ++i) {
        TRect item = Rect(1, 1 + i * kItemHeight, r.Right - 1, 1 + (i + 1) * kItemHeight);
        if (i == demo.hotItem) {
            dc->Brush().Style = TBrushStyle::bsSolid;
            dc->Brush().Color = RGB(60, 100, 170);
            dc->FillRect(item);
            dc->Brush().Style = TBrushStyle::bsClear;
        }
        dc->Font().Color = i == demo.hotItem ? clWhite : clBlack;
        dc->TextOut(item.Left + 10, item.Top + 4, kItems[i]);
    }
    EndPaint(hwnd, &ps);
}

void ShowPopupAt(TPoint screen)
{
    MoveWindow(demo.popup, screen.x, screen.y, 170, 2 + int(std::size(kItems)) * kItemHeight);
    ShowWindow(demo.popup, SW_SHOWNA);
    SetCapture(demo.popup); // a click anywhere else closes it
}

void ClosePopup()
{
    if (GetCapture() == demo.popup) ReleaseCapture();
    ShowWindow(demo.popup, SW_HIDE);
}

LRESULT MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: PaintMain(hwnd); return 0;
    case WM_NCHITTEST: {
        TPoint p = ScreenToClient(hwnd, LParamToPoint(lp));
        TRect r = GetClientRect(hwnd);
        if (p.x >= r.Right - kGrip && p.y >= r.Bottom - kGrip) return HTBOTTOMRIGHT;
        return p.y < kCaption ? HTCAPTION : HTCLIENT;
    }
    case WM_SIZE: SetWindowRgn(hwnd, RoundedWithHole(LOWORD(lp), HIWORD(lp)), true); return 0;
    case WM_ACTIVATE: InvalidateRect(hwnd, nullptr, false); break;
    case WM_RBUTTONUP: ShowPopupAt(ClientToScreen(hwnd, LParamToPoint(lp))); return 0;
    case WM_KEYDOWN: {
        char name[32];
        std::snprintf(name, sizeof name, "VK 0x%02X", unsigned(wp));
        demo.lastKey = name;
        bool ctrl = GetKeyState(VK_CONTROL) < 0;
        if (ctrl && wp == 'C') SetClipboardText(demo.typed);
        if (ctrl && wp == 'V') demo.typed += GetClipboardText();
        InvalidateRect(hwnd, nullptr, false);
        return 0;
    }
    case WM_CHAR:
        if (wp >= 0x20 && wp != 0x7F) demo.typed += Utf8Encode(char32_t(wp));
        else if (wp == '\b' && demo.typed.size() > 11) {
            do demo.typed.pop_back();
            while ((uint8_t(demo.typed.back()) & 0xC0) == 0x80);
            demo.typed.pop_back();
        }
        InvalidateRect(hwnd, nullptr, false);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProc(hwnd, msg, wp, lp);
}

LRESULT PopupProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: PaintPopup(hwnd); return 0;
    case WM_MOUSEMOVE: {
        TPoint p = LParamToPoint(lp);
        int item = GetClientRect(hwnd).Contains(p) ? (p.y - 1) / kItemHeight : -1;
        if (item != demo.hotItem) {
            demo.hotItem = item;
            InvalidateRect(hwnd, nullptr, false);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        TPoint p = LParamToPoint(lp);
        bool inside = GetClientRect(hwnd).Contains(p);
        ClosePopup();
        if (inside && (p.y - 1) / kItemHeight == 3) DestroyWindow(demo.main);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) ClosePopup();
        return 0;
    }
    return DefWindowProc(hwnd, msg, wp, lp);
}

LRESULT DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        dc->Brush().Color = clBtnFace;
        dc->FillRect(GetClientRect(hwnd));
        dc->Brush().Style = TBrushStyle::bsClear;
        dc->Font().Name = "Arial";
        dc->Font().Height = -13;
        dc->TextOut(12, 12, "A dialog owned by the main window.");
        dc->TextOut(12, 34, "Esc closes it.");
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) DestroyWindow(hwnd);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wp, lp);
}

void Register(const char* name, WNDPROC proc)
{
    WNDCLASS wc;
    wc.lpfnWndProc = std::move(proc);
    wc.hCursor = LoadCursor(IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClass(wc);
}

} // namespace

int main(int argc, char** argv)
{
    int seconds = 0;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::atoi(argv[i + 1]);
    std::unique_ptr<TWindowSystem> ws = OpenDemoDisplay("tavrik-demo-windows");
    if (!ws) return 1;
    Register("DemoMain", MainProc);
    Register("DemoPopup", PopupProc);
    Register("DemoDialog", DialogProc);

    demo.main = CreateWindowEx(0, "DemoMain", "Tavrik demo", WS_POPUP, 120, 100, 520, 300, nullptr);
    demo.popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "DemoPopup", "", WS_POPUP, 0, 0, 10,
                                10, demo.main);
    ShowWindow(demo.main, SW_SHOW);
    demo.dialog = CreateWindowEx(0, "DemoDialog", "Dialog", WS_POPUP | WS_CAPTION, 360, 300, 300, 110, demo.main);
    ShowWindow(demo.dialog, SW_SHOW);
    MoveWindow(demo.popup, 660, 120, 170, 2 + int(std::size(kItems)) * kItemHeight);
    ShowWindow(demo.popup, SW_SHOWNA);
    if (seconds > 0) SetTimer(nullptr, 0, UINT(seconds * 1000), [](HWND, UINT, uint64_t, DWORD) { PostQuitMessage(0); });

    MSG msg;
    while (GetMessage(&msg)) DispatchMessage(&msg);
    return 0;
}
