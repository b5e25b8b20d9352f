#include "WsysTestUtil.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Paint : public WsysTest {
protected:
    // The window paints its whole client area in one colour and counts its paints.
    void Fill(HWND hwnd, TColor color)
    {
        colors[hwnd] = color;
        Handle(hwnd, [this](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_PAINT) return std::nullopt;
            TPaintDC paint(h);
            paint.Canvas().Brush().Color = colors[h];
            paint.Canvas().FillRect(GetClientRect(h));
            lastPaint[h] = paint.Info().rcPaint;
            return 0;
        });
    }
    TColor At(int x, int y) const { return screen->ScreenPixel(x, y); }

    std::map<HWND, TColor> colors;
    std::map<HWND, TRect> lastPaint;
};

TEST_F(Paint, FrameBackgroundAndClientArePaintedParentsFirst)
{
    HWND top = Create(WS_POPUP | WS_BORDER, Bounds(100, 100, 200, 150));
    HWND child = Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Bounds(10, 10, 50, 50), top);
    ShowWindow(top, SW_SHOWNA);
    ClearLog();
    ProcessMessages();
    std::set<UINT> paints{WM_NCPAINT, WM_ERASEBKGND, WM_PAINT};
    EXPECT_EQ(Trace({{top, "top"}, {child, "child"}}, paints),
              Split("top:WM_NCPAINT top:WM_PAINT top:WM_ERASEBKGND child:WM_NCPAINT child:WM_PAINT child:WM_ERASEBKGND"));
    // Class background white, one-pixel frames in the window-frame colour.
    TColor frame = ColorToRGB(clWindowFrame);
    EXPECT_EQ(At(100, 100), frame);
    EXPECT_EQ(At(150, 200), clWhite);
    EXPECT_EQ(At(111, 111), frame);  // the child's frame
    EXPECT_EQ(At(130, 130), clWhite); // the child's client area
    EXPECT_EQ(At(99, 100), clBlack);  // the desktop
    // Nothing is left to paint: a second pass sends nothing.
    ClearLog();
    ProcessMessages();
    EXPECT_TRUE(Trace({{top, "top"}, {child, "child"}}, paints).empty());
}

TEST_F(Paint, WindowsHiddenUnderChildrenAreNeverAskedToPaint)
{
    HWND top = Create(WS_POPUP, Bounds(0, 0, 100, 100));
    HWND cover = Child(top, Bounds(0, 0, 100, 100));
    Fill(cover, clRed);
    ShowWindow(top, SW_SHOW);
    ProcessMessages();
    EXPECT_TRUE(Log(top, WM_PAINT).empty());
    EXPECT_EQ(Log(cover, WM_PAINT).size(), 1u);
    InvalidateRect(top, nullptr, true);
    ProcessMessages();
    EXPECT_TRUE(Log(top, WM_PAINT).empty());
    EXPECT_EQ(At(50, 50), clRed);
}

TEST_F(Paint, BeginPaintClipsToTheUpdateArea)
{
    HWND w = TopLevel(Bounds(0, 0, 100, 100));
    Fill(w, clRed);
    ProcessMessages();
    colors[w] = clBlue;
    TRect small = Bounds(10, 20, 5, 6);
    InvalidateRect(w, &small, false);
    TRect update;
    EXPECT_TRUE(GetUpdateRect(w, &update));
    EXPECT_EQ(update, small);
    ProcessMessages();
    EXPECT_EQ(lastPaint[w], small);
    EXPECT_EQ(At(10, 20), clBlue);
    EXPECT_EQ(At(14, 25), clBlue);
    EXPECT_EQ(At(15, 25), clRed);
    EXPECT_EQ(At(9, 20), clRed);
    // Only what changed is presented.
    EXPECT_EQ(screen->Native(w)->lastDirty, (std::vector<TRect>{small}));
    EXPECT_FALSE(GetUpdateRect(w, &update));
    // A region: only its pixels are painted.
    colors[w] = clLime;
    TRegion ell = TRegion(Bounds(50, 50, 10, 2)) | TRegion(Bounds(50, 52, 2, 8));
    InvalidateRgn(w, &ell, false);
    ProcessMessages();
    EXPECT_EQ(lastPaint[w], Bounds(50, 50, 10, 10));
    EXPECT_EQ(At(59, 51), clLime);
    EXPECT_EQ(At(51, 59), clLime);
    EXPECT_EQ(At(55, 55), clRed);
    // Validated areas are not painted.
    InvalidateRect(w, nullptr, false);
    ValidateRect(w, nullptr);
    ClearLog();
    ProcessMessages();
    EXPECT_TRUE(Log(w, WM_PAINT).empty());
}

TEST_F(Paint, SiblingsAndChildrenClipEachOther)
{
    HWND top = TopLevel(Bounds(0, 0, 200, 200));
    HWND lower = Child(top, Bounds(10, 10, 100, 100));
    HWND upper = Child(top, Bounds(50, 50, 100, 100));
    Fill(lower, clRed);
    Fill(upper, clBlue);
    ProcessMessages();
    EXPECT_EQ(At(60, 60), clBlue);
    InvalidateRect(lower, nullptr, true);
    ProcessMessages();
    EXPECT_EQ(At(60, 60), clBlue); // the lower sibling cannot paint over the upper one
    EXPECT_EQ(At(20, 20), clRed);
    // The parent's own canvas leaves its children alone.
    {
        TWindowDC dc(top);
        dc.Canvas()->Brush().Color = clLime;
        dc.Canvas()->FillRect(GetClientRect(top));
    }
    EXPECT_EQ(TWindowDC(HandleFromValue(77)).Canvas(), nullptr);
    ProcessMessages();
    EXPECT_EQ(At(5, 5), clLime);
    EXPECT_EQ(At(20, 20), clRed);
    EXPECT_EQ(At(160, 160), clLime);
    // Raising the lower sibling repaints it on top.
    SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ProcessMessages();
    EXPECT_EQ(At(60, 60), clRed);
}

TEST_F(Paint, MovingAChildRepaintsWhatItUncovered)
{
    HWND top = TopLevel(Bounds(0, 0, 200, 200));
    HWND lower = Child(top, Bounds(0, 0, 60, 60));
    HWND mover = Child(top, Bounds(40, 40, 50, 50));
    Fill(lower, clRed);
    Fill(mover, clBlue);
    ProcessMessages();
    EXPECT_EQ(At(45, 45), clBlue);
    MoveWindow(mover, 100, 100, 50, 50);
    ProcessMessages();
    EXPECT_EQ(At(45, 45), clRed);   // the sibling below shows again
    EXPECT_EQ(At(80, 80), clWhite); // the parent's background too
    EXPECT_EQ(At(120, 120), clBlue);
    ShowWindow(mover, SW_HIDE);
    ProcessMessages();
    EXPECT_EQ(At(120, 120), clWhite);
    // Shaped children show their parent outside the shape.
    ShowWindow(mover, SW_SHOW);
    SetWindowRgn(mover, TRegion(Bounds(0, 0, 10, 10)), true);
    ProcessMessages();
    EXPECT_EQ(At(105, 105), clBlue);
    EXPECT_EQ(At(120, 120), clWhite);
}

TEST_F(Paint, WhatALargerSizeOrShapeUncoversIsPaintedChildrenIncluded)
{
    HWND w = TopLevel(Bounds(0, 0, 300, 100));
    HWND right = Child(w, Bounds(250, 10, 40, 40));
    Fill(right, clRed);
    ProcessMessages();
    EXPECT_EQ(At(260, 20), clRed);
    MoveWindow(w, 0, 0, 200, 100);
    ProcessMessages();
    MoveWindow(w, 0, 0, 300, 100);
    ProcessMessages();
    EXPECT_EQ(At(260, 20), clRed);
    SetWindowRgn(w, TRegion(Bounds(0, 0, 100, 100)), false);
    ProcessMessages();
    EXPECT_EQ(At(260, 20), clBlack);
    size_t paints = Log(right, WM_PAINT).size();
    SetWindowRgn(w, std::nullopt, false);
    ProcessMessages();
    EXPECT_EQ(At(260, 20), clRed);
    EXPECT_EQ(Log(right, WM_PAINT).size(), paints + 1);
}

TEST_F(Paint, TopLevelWindowsAreCompositedInZOrderThroughShapesAndOpacity)
{
    HWND back = TopLevel(Bounds(0, 0, 200, 200));
    HWND front = TopLevel(Bounds(100, 100, 200, 200));
    Fill(back, clRed);
    Fill(front, clBlue);
    ProcessMessages();
    EXPECT_EQ(At(150, 150), clBlue);
    SetActiveWindow(back); // activation raises
    ProcessMessages();
    EXPECT_EQ(At(150, 150), clRed);
    EXPECT_EQ(At(250, 250), clBlue);
    // A shaped window shows what is below it outside its shape.
    SetWindowRgn(back, TRegion(Bounds(0, 0, 120, 120)), true);
    ProcessMessages();
    EXPECT_EQ(At(110, 110), clRed);
    EXPECT_EQ(At(150, 150), clBlue);
    EXPECT_EQ(At(150, 50), clBlack);
    // Constant opacity blends with what is below.
    SetWindowRgn(back, std::nullopt, true);
    SetWindowLongPtr(back, GWL_EXSTYLE, WS_EX_LAYERED);
    ASSERT_TRUE(LayeredWindowsSupported());
    EXPECT_TRUE(SetLayeredWindowAttributes(back, 0, 128, LWA_ALPHA));
    ProcessMessages();
    EXPECT_EQ(At(150, 150), RGB(128, 0, 127)); // red over blue
    EXPECT_EQ(At(50, 50), RGB(128, 0, 0));     // red over the black desktop
    uint8_t alpha = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(back, &alpha));
    EXPECT_EQ(alpha, 128);
    SetWindowLongPtr(back, GWL_EXSTYLE, 0); // no longer layered: opaque again
    ProcessMessages();
    EXPECT_EQ(At(150, 150), clRed);
    ShowWindow(back, SW_MINIMIZE);
    ProcessMessages();
    EXPECT_EQ(At(50, 50), clBlack);
    EXPECT_EQ(At(150, 150), clBlue);
}

TEST_F(Paint, UpdateWindowPaintsAndPresentsAtOnce)
{
    HWND w = TopLevel(Bounds(0, 0, 100, 100));
    HWND child = Child(w, Bounds(10, 10, 20, 20));
    Fill(w, clRed);
    Fill(child, clLime);
    ProcessMessages();
    bool checked = false;
    Handle(w, [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            colors[child] = clBlue;
            InvalidateRect(child, nullptr, false);
            UpdateWindow(h); // a long command showing progress without returning to the loop
            checked = At(15, 15) == clBlue;
            return 0;
        }
        if (m == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            dc->Brush().Color = colors[h];
            dc->FillRect(GetClientRect(h));
            EndPaint(h, &ps);
            return 0;
        }
        return std::nullopt;
    });
    SendMessage(w, WM_USER);
    EXPECT_TRUE(checked);
}

TEST_F(Paint, DefaultCaptionFollowsActivation)
{
    HWND a = Create(WS_POPUP | WS_VISIBLE | WS_CAPTION, Bounds(0, 0, 200, 100));
    ProcessMessages();
    TColor active = ColorToRGB(clActiveCaption), inactive = ColorToRGB(clInactiveCaption);
    ASSERT_NE(active, inactive);
    EXPECT_EQ(At(50, 10), active);
    HWND b = TopLevel(Bounds(300, 0, 100, 100));
    ProcessMessages();
    EXPECT_EQ(At(50, 10), inactive);
    DestroyWindow(b);
    ProcessMessages();
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(At(50, 10), active);
}

TEST_F(Paint, CaretBlinksByInvertingPixels)
{
    HWND w = TopLevel(Bounds(0, 0, 100, 100));
    Fill(w, clWhite);
    ProcessMessages();
    SetFocus(w);
    ASSERT_TRUE(CreateCaret(w, 2, 10));
    SetCaretPos(20, 30);
    ProcessMessages();
    EXPECT_EQ(At(20, 30), clWhite); // created hidden
    ShowCaret(w);
    ProcessMessages();
    EXPECT_EQ(At(20, 30), clBlack);
    EXPECT_EQ(At(21, 39), clBlack);
    EXPECT_EQ(At(22, 30), clWhite);
    screen->Advance(GetCaretBlinkTime());
    EXPECT_EQ(At(20, 30), clWhite);
    screen->Advance(GetCaretBlinkTime());
    EXPECT_EQ(At(20, 30), clBlack);
    // Painting under a shown caret leaves the caret drawn on the new pixels, once.
    colors[w] = clRed;
    InvalidateRect(w, nullptr, false);
    ProcessMessages();
    EXPECT_EQ(At(20, 30), RGB(0, 255, 255));
    EXPECT_EQ(At(50, 50), clRed);
    HideCaret(w);
    ProcessMessages();
    EXPECT_EQ(At(20, 30), clRed);
    // A caret in a child that moves goes with it and leaves nothing behind.
    HWND edit = Child(w, Bounds(10, 10, 50, 30));
    Fill(edit, clBlue);
    ASSERT_TRUE(CreateCaret(edit, 1, 5));
    SetCaretPos(2, 2);
    ShowCaret(edit);
    ProcessMessages();
    EXPECT_EQ(At(12, 12), RGB(255, 255, 0));
    MoveWindow(edit, 40, 40, 50, 30);
    ProcessMessages();
    EXPECT_EQ(At(12, 12), clRed);
    EXPECT_EQ(At(42, 42), RGB(255, 255, 0));
    EXPECT_EQ(At(43, 42), clBlue);
    DestroyCaret();
    EXPECT_EQ(At(42, 42), RGB(255, 255, 0)); // presented with the next round of the loop
    ProcessMessages();
    EXPECT_EQ(At(42, 42), clBlue);
    DestroyWindow(w); // no caret left behind to blink on a dead window
    screen->Advance(5000);
}

TEST_F(Paint, ScreenCaptureAndScreenshot)
{
    HWND w = TopLevel(Bounds(10, 20, 30, 40));
    Fill(w, clRed);
    ProcessMessages();
    TBitmap shot = CaptureScreen(Bounds(0, 0, 1280, 800));
    EXPECT_EQ(shot.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(shot.Width(), 1280);
    EXPECT_EQ(shot.GetPixel(10, 20), clRed);
    EXPECT_EQ(shot.GetPixel(9, 20), clBlack);
    TBitmap part = CaptureScreen(Bounds(-5, 15, 20, 10)); // partly off the screen
    EXPECT_EQ(part.GetPixel(0, 0), clBlack);
    EXPECT_EQ(part.GetPixel(15, 5), clRed);
}

} // namespace
