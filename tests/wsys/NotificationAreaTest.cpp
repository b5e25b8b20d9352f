#include "WsysTestUtil.h"

#include "gfx/SystemColors.h"
#include "wsys/NotificationArea.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

constexpr UINT kCallback = WM_USER + 7;

// A square picture in one opaque colour with a transparent top-left quarter.
TBitmap Picture(int size, TColor color)
{
    TBitmap b(size, size, TPixelFormat::pf32bit);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            uint8_t* p = b.ScanLine(y) + 4 * x;
            bool clear = x < size / 2 && y < size / 2;
            p[0] = GetBValue(color), p[1] = GetGValue(color), p[2] = GetRValue(color);
            p[3] = clear ? 0 : 255;
        }
    return b;
}

uint32_t Argb(const TBitmap& b, int x, int y)
{
    const uint8_t* p = b.ScanLine(y) + 4 * x;
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

class NotificationArea : public WsysTest {
protected:
    TNotificationArea& Area() { return ws->NotificationArea(); }
    THeadlessTray& Tray() { return screen->Tray(); }

    TTrayIconKey AddIcon(HWND owner, UINT id, TBitmap picture = Picture(16, clRed), std::string tip = {})
    {
        TTrayIconData request{owner, id, kCallback, std::move(picture), std::move(tip)};
        EXPECT_TRUE(Area().Add(request, trayMessage | trayPicture | trayTip));
        return Area().KeyOf(owner, id);
    }
    // The mouse messages the owner heard, by name.
    std::vector<std::string> Heard(HWND owner)
    {
        std::vector<std::string> names;
        for (const TRecorded& r : Log(owner, kCallback)) names.push_back(MessageName(UINT(r.lp)));
        return names;
    }
};

TEST_F(NotificationArea, MouseOnAnIconReachesItsWindowAsTheCallbackMessage)
{
    HWND owner = TopLevel(Bounds(10, 10, 100, 100));
    HWND other = TopLevel(Bounds(200, 10, 100, 100));
    TTrayIconKey a = AddIcon(owner, 1);
    TTrayIconKey b = AddIcon(other, 9);
    struct TCase {
        const char* name;
        std::function<void(THeadlessTray&, THeadlessBackend&)> act;
        const char* owner;
        const char* other;
    } cases[] = {
        {"click", [&](auto& t, auto&) { t.Click(a); }, "WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP", ""},
        {"double click", [&](auto& t, auto&) { t.DoubleClick(a); },
         "WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP WM_LBUTTONDBLCLK WM_LBUTTONUP", ""},
        {"third press of a triple click",
         [&](auto& t, auto&) {
             t.DoubleClick(a);
             t.MouseDown(a);
         },
         "WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP WM_LBUTTONDBLCLK WM_LBUTTONUP WM_LBUTTONDOWN", ""},
        {"presses further apart than the double-click time",
         [&](auto& t, auto& s) {
             t.Click(a);
             s.Advance(501);
             t.MouseDown(a);
         },
         "WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP WM_LBUTTONDOWN", ""},
        {"right double click", [&](auto& t, auto&) { t.DoubleClick(a, TMouseButton::Right); },
         "WM_MOUSEMOVE WM_RBUTTONDOWN WM_RBUTTONUP WM_RBUTTONDBLCLK WM_RBUTTONUP", ""},
        {"middle click", [&](auto& t, auto&) { t.Click(a, TMouseButton::Middle); },
         "WM_MOUSEMOVE WM_MBUTTONDOWN WM_MBUTTONUP", ""},
        {"left then right",
         [&](auto& t, auto&) {
             t.Click(a);
             t.MouseDown(a, TMouseButton::Right);
         },
         "WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP WM_RBUTTONDOWN", ""},
        {"one press on each of two icons",
         [&](auto& t, auto&) {
             t.MouseDown(a);
             t.MouseDown(b);
         },
         "WM_LBUTTONDOWN", "WM_LBUTTONDOWN"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        screen->Advance(1000); // no double click across cases
        ClearLog();
        c.act(Tray(), *screen);
        EXPECT_EQ(Heard(owner), Split(c.owner));
        EXPECT_EQ(Heard(other), Split(c.other));
    }
    for (const TRecorded& r : Log(owner, kCallback)) EXPECT_EQ(r.wp, 1u);
    for (const TRecorded& r : Log(other, kCallback)) EXPECT_EQ(r.wp, 9u);

    // Where and how is known while the message is handled.
    TPoint at;
    bool leftDown = false;
    Handle(owner, [&](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (m == kCallback && lp == WM_LBUTTONDOWN) {
            at = GetCursorPos();
            leftDown = GetKeyState(VK_LBUTTON) < 0;
        }
        return std::nullopt;
    });
    screen->Advance(1000);
    Tray().Click(a);
    TRect icon = Tray().IconRect(a);
    EXPECT_EQ(at, (TPoint{icon.Left + icon.Width() / 2, icon.Top + icon.Height() / 2}));
    EXPECT_TRUE(leftDown);
    EXPECT_TRUE(Log(owner, WM_LBUTTONDOWN).empty()) << "a tray click is no click in the window";
}

TEST_F(NotificationArea, IconsAreAddedChangedAndRemovedWithTheirWindows)
{
    HWND owner = TopLevel(Bounds(10, 10, 100, 100));
    HWND second = TopLevel(Bounds(200, 10, 100, 100));
    TTrayIconKey a = AddIcon(owner, 1, Picture(16, clRed));
    const TBitmap* drawn = Tray().Picture(a);
    ASSERT_NE(drawn, nullptr);
    ASSERT_EQ(drawn->Width(), 22) << "drawn at the tray's size";
    // 16 -> 22: the transparent quarter ends between pixels 10 and 11.
    EXPECT_EQ(Argb(*drawn, 0, 0), 0u);
    EXPECT_EQ(Argb(*drawn, 21, 21), 0xFFFF0000u);
    EXPECT_EQ(Argb(*drawn, 11, 0), 0xFFFF0000u);
    EXPECT_EQ(Argb(*drawn, 10, 0) >> 24, 0u);

    TTrayIconData request{owner, 1, kCallback, {}, "tip only"};
    EXPECT_FALSE(Area().Add(request, trayTip)) << "the window has that icon already";
    EXPECT_TRUE(Area().Modify(request, trayTip));
    EXPECT_EQ(Argb(*Tray().Picture(a), 21, 21), 0xFFFF0000u) << "a change of the tip keeps the picture";
    request.picture = Picture(22, clBlue);
    EXPECT_TRUE(Area().Modify(request, trayPicture));
    EXPECT_EQ(Argb(*Tray().Picture(a), 21, 21), 0xFF0000FFu);
    EXPECT_FALSE(Area().Modify({owner, 2, 0, {}, {}}, trayTip)) << "no icon 2";
    EXPECT_FALSE(Area().Delete(second, 1));
    EXPECT_FALSE(Area().Add({nullptr, 3, 0, Picture(16, clRed), {}}, trayPicture)) << "no window";

    TTrayIconKey b = AddIcon(second, 1, Picture(16, clLime));
    TTrayIconKey c = AddIcon(owner, 2, Picture(16, clYellow));
    EXPECT_EQ(Tray().Icons(), (std::vector<TTrayIconKey>{a, b, c}));
    EXPECT_TRUE(Area().Delete(second, 1));
    EXPECT_EQ(Tray().Icons(), (std::vector<TTrayIconKey>{a, c}));
    DestroyWindow(owner);
    EXPECT_TRUE(Tray().Icons().empty()) << "a window's icons go with it";
    EXPECT_EQ(Area().KeyOf(owner, 1), 0u);
}

TEST_F(NotificationArea, WindowsHearWhenTheTrayGoesAndComesBack)
{
    UINT created = RegisterWindowMessage(kTaskbarCreatedMessage);
    UINT gone = RegisterWindowMessage(kTaskbarGoneMessage);
    EXPECT_GE(created, 0xC000u);
    EXPECT_NE(created, gone);
    EXPECT_EQ(RegisterWindowMessage("TaskbarCreated"), created) << "one number per name";
    EXPECT_EQ(RegisterWindowMessage(""), 0u);

    HWND owner = TopLevel(Bounds(10, 10, 100, 100));
    HWND bystander = TopLevel(Bounds(200, 10, 100, 100));
    TTrayIconKey a = AddIcon(owner, 1, Picture(32, clRed));
    EXPECT_TRUE(Area().Available());

    Tray().Stop();
    ProcessMessages();
    EXPECT_FALSE(Area().Available());
    EXPECT_TRUE(Tray().Icons().empty());
    EXPECT_EQ(Log(owner, gone).size(), 1u);
    EXPECT_EQ(Log(bystander, gone).size(), 1u);
    EXPECT_TRUE(Log(owner, created).empty());
    TTrayIconKey late = AddIcon(owner, 2, Picture(32, clBlue));
    EXPECT_NE(late, 0u) << "icons are kept while no tray runs";

    Tray().Start(16);
    ProcessMessages();
    EXPECT_TRUE(Area().Available());
    EXPECT_EQ(Tray().Icons(), (std::vector<TTrayIconKey>{a, late}));
    ASSERT_NE(Tray().Picture(late), nullptr);
    EXPECT_EQ(Tray().Picture(late)->Width(), 16) << "the new tray's size";
    EXPECT_EQ(Log(owner, created).size(), 1u);
    EXPECT_EQ(Log(bystander, created).size(), 1u);

    // A restart in one go is heard as both.
    ClearLog();
    Tray().Stop();
    Tray().Start();
    ProcessMessages();
    EXPECT_EQ(Log(owner, gone).size(), 1u);
    EXPECT_EQ(Log(owner, created).size(), 1u);
    Tray().Click(a);
    EXPECT_EQ(Heard(owner), Split("WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP"));
}

TEST_F(NotificationArea, TheTipShowsAfterTheRestAndGoesWithLeaveClickOrTime)
{
    HWND main = TopLevel(Bounds(10, 10, 100, 100));
    SetActiveWindow(main);
    TTrayIconKey a = AddIcon(main, 1, Picture(16, clRed), "Tavrik 图片压缩\n第二行 second line");
    auto tipShown = [&] { return Area().TipWindow() && IsWindowVisible(Area().TipWindow()); };

    Tray().MouseMove(a);
    screen->Advance(TNotificationArea::kTipPause - 1);
    EXPECT_FALSE(tipShown());
    screen->Advance(1);
    ASSERT_TRUE(tipShown());
    HWND tip = Area().TipWindow();
    TRect r = GetWindowRect(tip);
    TRect icon = Tray().IconRect(a);
    SCOPED_TRACE(::testing::PrintToString(r));
    EXPECT_LE(r.Right, 1280) << "inside the screen by the tray in its bottom-right corner";
    EXPECT_LE(r.Bottom, icon.Top + icon.Height() / 2) << "above the pointer, with no room below";
    EXPECT_GT(r.Height(), 2 * 14) << "two lines";
    EXPECT_EQ(screen->ScreenPixel(r.Left, r.Top), ColorToRGB(clBtnShadow));
    EXPECT_EQ(screen->ScreenPixel(r.Left + 2, r.Bottom - 3), ColorToRGB(clInfoBk));
    EXPECT_EQ(GetActiveWindow(), main) << "the tip takes no activation";

    Tray().MouseLeave();
    EXPECT_FALSE(tipShown());
    Tray().MouseMove(a);
    screen->Advance(TNotificationArea::kTipPause);
    EXPECT_TRUE(tipShown()) << "again after the pointer came back";
    screen->Advance(TNotificationArea::kTipShowTime);
    EXPECT_FALSE(tipShown()) << "not for ever";
    Tray().MouseMove(a);
    screen->Advance(2 * TNotificationArea::kTipPause);
    EXPECT_FALSE(tipShown()) << "once per visit";

    Tray().MouseLeave();
    Tray().MouseMove(a);
    screen->Advance(TNotificationArea::kTipPause);
    ASSERT_TRUE(tipShown());
    EXPECT_TRUE(Area().Modify({main, 1, 0, {}, ""}, trayTip));
    EXPECT_FALSE(tipShown()) << "an emptied tip goes";

    Tray().MouseLeave();
    EXPECT_TRUE(Area().Modify({main, 1, 0, {}, "tip"}, trayTip));
    Tray().MouseMove(a);
    Tray().MouseDown(a);
    screen->Advance(2 * TNotificationArea::kTipPause);
    EXPECT_FALSE(tipShown()) << "no tip over a click";
}

} // namespace
