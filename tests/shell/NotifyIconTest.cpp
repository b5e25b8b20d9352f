#include "shell/NotifyIcon.h"

#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

using namespace tavrik;

namespace {

TBitmap Solid(TColor color)
{
    TBitmap b(8, 8, TPixelFormat::pf32bit);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            uint8_t* p = b.ScanLine(y) + 4 * x;
            p[0] = GetBValue(color), p[1] = GetGValue(color), p[2] = GetRValue(color), p[3] = 255;
        }
    return b;
}

TEST(NotifyIcon, TheShellCallChangesOnlyTheGivenMembers)
{
    auto backend = std::make_unique<THeadlessBackend>();
    THeadlessTray& tray = backend->Tray();
    TWindowSystem ws(std::move(backend));
    WNDCLASS wc;
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "Owner";
    RegisterClass(wc);
    HWND owner = CreateWindowEx(0, "Owner", "", WS_POPUP, 0, 0, 10, 10, nullptr);
    EXPECT_TRUE(NotificationAreaRunning());

    NOTIFYICONDATA data;
    data.hWnd = owner;
    data.uID = 5;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_USER;
    data.hIcon = Solid(clRed);
    data.szTip = "tip";
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &data));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &data));
    ASSERT_EQ(tray.Icons().size(), 1u);
    TTrayIconKey key = tray.Icons()[0];
    EXPECT_EQ(tray.Picture(key)->GetPixel(11, 11), clRed);

    data.uFlags = NIF_TIP;
    data.hIcon = Solid(clBlue);
    EXPECT_TRUE(Shell_NotifyIcon(NIM_MODIFY, &data));
    EXPECT_EQ(tray.Picture(key)->GetPixel(11, 11), clRed) << "only the tip was given";
    data.uFlags = NIF_ICON;
    EXPECT_TRUE(Shell_NotifyIcon(NIM_MODIFY, &data));
    EXPECT_EQ(tray.Picture(key)->GetPixel(11, 11), clBlue);

    EXPECT_FALSE(Shell_NotifyIcon(7, &data));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, nullptr));
    EXPECT_TRUE(Shell_NotifyIcon(NIM_DELETE, &data));
    EXPECT_FALSE(Shell_NotifyIcon(NIM_DELETE, &data));
    EXPECT_TRUE(tray.Icons().empty());
    tray.Stop();
    EXPECT_FALSE(NotificationAreaRunning());
}

} // namespace
