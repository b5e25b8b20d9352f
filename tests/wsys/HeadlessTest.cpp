#include "WsysTestUtil.h"

#include "core/FileIO.h"
#include "wsys/backends/headless/KeyboardLayout.h"
#include "wsys/backends/headless/PngWriter.h"

#include <zlib.h>

#include <cstdio>
#include <filesystem>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

uint32_t BigEndian32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

TEST(PngWriter, ChunksCarryCorrectCrcsAndTheRowsInflateToThePixels)
{
    struct TCase {
        TPixelFormat format;
        TPngAlpha alpha;
        uint8_t colorType; // 2 RGB, 6 RGBA
    };
    for (TCase k : {TCase{TPixelFormat::pf24bit, TPngAlpha::Drop, 2}, TCase{TPixelFormat::pf32bit, TPngAlpha::Drop, 2},
                    TCase{TPixelFormat::pf8bit, TPngAlpha::Drop, 2}, TCase{TPixelFormat::pf32bit, TPngAlpha::Keep, 6},
                    TCase{TPixelFormat::pf24bit, TPngAlpha::Keep, 2}}) {
        SCOPED_TRACE(BitsPerPixel(k.format) * 10 + int(k.alpha));
        TBitmap b(3, 2, k.format);
        b.SetPixel(0, 0, clRed);
        b.SetPixel(2, 1, clBlue);
        if (k.format == TPixelFormat::pf32bit) {
            b.ScanLine(0)[3] = 255;
            b.ScanLine(1)[2 * 4 + 3] = 128;
        }
        std::vector<uint8_t> png = EncodePng(b, k.alpha);
        ASSERT_GT(png.size(), 8u);
        EXPECT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
                  (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
        std::vector<std::string> types;
        std::vector<uint8_t> idat;
        for (size_t at = 8; at + 12 <= png.size();) {
            uint32_t length = BigEndian32(&png[at]);
            std::string type(png.begin() + long(at) + 4, png.begin() + long(at) + 8);
            types.push_back(type);
            uLong crc = crc32(0, png.data() + at + 4, uInt(length + 4));
            EXPECT_EQ(crc, BigEndian32(&png[at + 8 + length])) << type;
            if (type == "IHDR") {
                EXPECT_EQ(BigEndian32(&png[at + 8]), 3u);
                EXPECT_EQ(BigEndian32(&png[at + 12]), 2u);
                EXPECT_EQ(png[at + 16], 8);
                EXPECT_EQ(png[at + 17], k.colorType);
            }
            if (type == "IDAT") idat.assign(png.begin() + long(at) + 8, png.begin() + long(at + 8 + length));
            at += 12 + length;
        }
        EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
        const size_t channels = k.colorType == 6 ? 4 : 3;
        std::vector<uint8_t> rows(2 * (1 + 3 * channels));
        uLongf size = uLongf(rows.size());
        ASSERT_EQ(uncompress(rows.data(), &size, idat.data(), uLong(idat.size())), Z_OK);
        EXPECT_EQ(size, rows.size());
        std::vector<uint8_t> first = {0, 255, 0, 0}, last = {0, 0, 255};
        if (channels == 4) {
            first.push_back(255);
            last.push_back(128);
        }
        EXPECT_EQ(std::vector<uint8_t>(rows.begin(), rows.begin() + long(first.size())), first);
        EXPECT_EQ(std::vector<uint8_t>(rows.end() - long(last.size()), rows.end()), last);
    }
}

TEST(KeyboardLayout, CharactersAndKeysAgree)
{
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        SCOPED_TRACE(int(c));
        TKeyStroke k = KeyForCharacter(c);
        ASSERT_NE(k.vk, 0u);
        EXPECT_EQ(TextForKey(k.vk, k.shift, false, false), std::string(1, char(c)));
    }
    EXPECT_EQ(KeyForCharacter(U'图').vk, 0u);
    EXPECT_EQ(TextForKey('A', false, true, false), "\x01");
    EXPECT_EQ(TextForKey('A', false, true, true), "a"); // AltGr combinations type
    EXPECT_EQ(TextForKey(VK_F5, false, false, false), "");
    EXPECT_EQ(TextForKey(VK_NUMPAD0 + 7, false, false, false), "7");
}

using Headless = WsysTest;

TEST_F(Headless, ScreenshotIsWrittenAsPng)
{
    HWND w = TopLevel(Bounds(0, 0, 10, 10));
    (void)w;
    ProcessMessages();
    std::string path = (std::filesystem::temp_directory_path() / "tavrik_wsys_shot.png").string();
    screen->SaveScreenshot(path);
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes, EncodePng(screen->Screen()));
    std::remove(path.c_str());
}

TEST_F(Headless, MonitorsMetricsClipboardAndBeep)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
    HWND w = TopLevel(Bounds(-50, -50, 100, 100));
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcMonitor, Bounds(0, 0, 1280, 800));
    EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
    EXPECT_EQ(MonitorFromPoint({5000, 5000}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_NE(MonitorFromPoint({5000, 5000}, MONITOR_DEFAULTTONEAREST), nullptr);
    SetClipboardText("图片 clip");
    EXPECT_EQ(GetClipboardText(), "图片 clip");
    MessageBeep(MB_OK);
    EXPECT_EQ(screen->BeepCount(), 1);
}

TEST(HeadlessMonitors, WorkAreaAndSecondMonitor)
{
    THeadlessOptions options;
    options.width = 1600;
    options.monitors = {{Bounds(0, 0, 1280, 800), Bounds(0, 0, 1280, 770)}, {Bounds(1280, 0, 320, 800), Bounds(1280, 0, 320, 800)}};
    TWindowSystem ws(std::make_unique<THeadlessBackend>(options));
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work));
    EXPECT_EQ(work, Bounds(0, 0, 1280, 770));
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1600);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromRect(Bounds(1250, 0, 100, 100), MONITOR_DEFAULTTONULL), &info));
    EXPECT_EQ(info.rcMonitor, Bounds(1280, 0, 320, 800)); // the larger share decides
    EXPECT_EQ(info.dwFlags, 0u);
}

} // namespace
