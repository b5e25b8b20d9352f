#include "skin/SkinWindows.h"

#include "gfx/Canvas.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace tavrik;

namespace {

using THandler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

// A headless window system with one window class whose windows answer through per-window
// handlers and log the messages they get.
class SkinWindows : public ::testing::Test {
protected:
    void Start(THeadlessOptions options = {})
    {
        ws_ = std::make_unique<TWindowSystem>(std::make_unique<THeadlessBackend>(options));
        WNDCLASS wc;
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            log_.push_back({h, m});
            if (auto it = handlers_.find(h); it != handlers_.end())
                if (std::optional<LRESULT> r = it->second(m, w, l)) return *r;
            return DefWindowProc(h, m, w, l);
        };
        wc.lpszClassName = "SkinTest";
        RegisterClass(wc);
    }
    void TearDown() override { ws_.reset(); }

    HWND Create(DWORD style, TRect r, HWND parent = nullptr, DWORD exStyle = 0)
    {
        return CreateWindowEx(exStyle, "SkinTest", "", style, r.Left, r.Top, r.Width(), r.Height(), parent);
    }
    int Count(HWND h, UINT msg) const
    {
        int n = 0;
        for (const auto& [hwnd, m] : log_) n += hwnd == h && m == msg;
        return n;
    }

    std::map<HWND, THandler> handlers_;
    std::vector<std::pair<HWND, UINT>> log_;

private:
    std::unique_ptr<TWindowSystem> ws_;
};

TColor PanelFace(int x, int y) { return RGB(uint8_t(x * 3), uint8_t(y * 5), 77); }

} // namespace

TEST_F(SkinWindows, MonitorAreasWithOneAndTwoMonitors)
{
    {
        THeadlessOptions one;
        one.width = 1024;
        one.height = 768;
        one.monitors = {{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)}};
        Start(one);
        HWND form = Create(WS_POPUP | WS_VISIBLE, Rect(100, 100, 300, 200));
        EXPECT_EQ(GetMonitorWorkArea(form, true), Rect(0, 0, 1024, 728));
        EXPECT_EQ(GetMonitorWorkArea(form, false), Rect(0, 0, 1024, 768));
        EXPECT_EQ(GetMonitorWorkArea(nullptr, true), Rect(0, 0, 1024, 728));
        TearDown();
    }
    THeadlessOptions two;
    two.width = 2048;
    two.height = 768;
    two.monitors = {{Rect(0, 0, 1024, 768), Rect(0, 30, 1024, 768)}, {Rect(1024, 0, 2048, 768), Rect(1024, 0, 2048, 740)}};
    Start(two);
    HWND left = Create(WS_POPUP | WS_VISIBLE, Rect(100, 100, 300, 200));
    HWND right = Create(WS_POPUP | WS_VISIBLE, Rect(1900, 100, 2100, 200));
    HWND across = Create(WS_POPUP | WS_VISIBLE, Rect(900, 100, 1300, 200)); // mostly on the second
    EXPECT_EQ(GetMonitorWorkArea(left, true), Rect(0, 30, 1024, 768));
    EXPECT_EQ(GetMonitorWorkArea(right, true), Rect(1024, 0, 2048, 740));
    EXPECT_EQ(GetMonitorWorkArea(right, false), Rect(1024, 0, 2048, 768));
    EXPECT_EQ(GetMonitorWorkArea(across, false), Rect(1024, 0, 2048, 768));
    HWND child = Create(WS_CHILD | WS_VISIBLE, Rect(5, 5, 20, 20), right);
    EXPECT_EQ(GetMonitorWorkArea(child, true), Rect(1024, 0, 2048, 740));
}

TEST_F(SkinWindows, AlphaOnlyWhereTheDisplayShowsIt)
{
    for (bool supported : {true, false}) {
        SCOPED_TRACE(supported);
        THeadlessOptions options;
        options.supportsOpacity = supported;
        Start(options);
        HWND form = Create(WS_POPUP | WS_VISIBLE, Rect(10, 10, 100, 100), nullptr, WS_EX_LAYERED);
        SetLayeredWindowAttributes(form, clBlack, 255, LWA_ALPHA);
        SetWindowAlpha(form, 90);
        uint8_t alpha = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(form, &alpha));
        EXPECT_EQ(alpha, supported ? 90 : 255);
        SetWindowAlpha(nullptr, 10); // no window: nothing happens
        TearDown();
    }
}

TEST_F(SkinWindows, ParentBackgroundUnderAControl)
{
    Start();
    HWND form = Create(WS_POPUP | WS_VISIBLE, Rect(0, 0, 300, 200));
    HWND panel = Create(WS_CHILD | WS_VISIBLE, Rect(10, 20, 110, 80), form); // 100 x 60
    // The panel paints a face that tells where each pixel is; its erase marks one pixel.
    handlers_[panel] = [](UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        TCanvas* canvas = reinterpret_cast<TCanvas*>(uintptr_t(wp));
        if (msg == WM_PAINT && canvas) {
            canvas->Font().Height = 30; // the caller's state must come back
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 100; ++x) canvas->SetPixels(x, y, PanelFace(x, y));
            return 0;
        }
        if (msg == WM_ERASEBKGND && canvas) {
            canvas->SetPixels(92, 50, clRed);
            return 1;
        }
        return std::nullopt;
    };
    // A control of 20 x 15 at (85, 40) of the panel, reaching past its right edge.
    HWND control = Create(WS_CHILD | WS_VISIBLE, Rect(85, 40, 105, 55), panel);
    TBitmap surface(20, 15);
    surface.Fill(clWhite);
    TCanvas canvas(surface);
    canvas.SetOrigin({0, 0});
    log_.clear();
    DrawParentBackground(control, canvas);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) {
            TColor want = 85 + x >= 100 ? clWhite : (85 + x == 92 && 40 + y == 50) ? clRed : PanelFace(85 + x, 40 + y);
            ASSERT_EQ(surface.GetPixel(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(log_, (std::vector<std::pair<HWND, UINT>>{{panel, WM_PAINT}, {panel, WM_ERASEBKGND}}));
    EXPECT_EQ(canvas.Origin(), Point(0, 0));
    EXPECT_EQ(canvas.Font().Height, TFontRequest().Height);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 20, 15));
}

TEST_F(SkinWindows, FormParentOnlyErases)
{
    Start();
    HWND form = Create(WS_POPUP | WS_VISIBLE, Rect(50, 50, 250, 150));
    handlers_[form] = [](UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        TCanvas* canvas = reinterpret_cast<TCanvas*>(uintptr_t(wp));
        if (msg == WM_ERASEBKGND && canvas) {
            canvas->Brush().Color = clTeal;
            canvas->FillRect(Rect(0, 0, 200, 100));
            return 1;
        }
        return std::nullopt;
    };
    HWND control = Create(WS_CHILD | WS_VISIBLE, Rect(190, 95, 210, 105), form);
    TBitmap surface(20, 10);
    surface.Fill(clWhite);
    TCanvas canvas(surface);
    log_.clear();
    DrawParentBackground(control, canvas);
    EXPECT_EQ(Count(form, WM_PAINT), 0);
    EXPECT_EQ(Count(form, WM_ERASEBKGND), 1);
    EXPECT_EQ(surface.GetPixel(9, 4), clTeal);
    EXPECT_EQ(surface.GetPixel(10, 4), clWhite); // beyond the form's client area
    EXPECT_EQ(surface.GetPixel(9, 5), clWhite);

    // Explicit parent and position, as a windowless control passes them.
    TBitmap other(4, 4);
    TCanvas c2(other);
    DrawParentBackground(form, Point(0, 0), c2);
    EXPECT_EQ(other.GetPixel(3, 3), clTeal);

    log_.clear();
    DrawParentBackground(form, canvas); // a form has no parent
    DrawParentBackground(nullptr, Point(0, 0), canvas);
    EXPECT_TRUE(log_.empty());
}
