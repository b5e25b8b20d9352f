#include "shell/ShellIcons.h"

#include "shell/CrispIconPainter.h"

namespace tavrik {

namespace {

// The palette of the artwork: soft light-to-dark shading under a darker outline of the same hue.
constexpr TColor kInk = RGB(58, 62, 74);
constexpr TColor kFolderLight = RGB(255, 226, 130), kFolderDark = RGB(236, 178, 58), kFolderInk = RGB(146, 100, 24);
constexpr TColor kFolderInside = RGB(205, 150, 45);
constexpr TColor kPaperLight = RGB(255, 255, 255), kPaperDark = RGB(226, 231, 240), kPaperInk = RGB(104, 112, 130);
constexpr TColor kPaperFold = RGB(196, 204, 218), kTextLine = RGB(150, 162, 182);
constexpr TColor kSkyLight = RGB(150, 200, 245), kSkyDark = RGB(80, 146, 226), kHill = RGB(72, 160, 72);
constexpr TColor kSun = RGB(255, 212, 40);
constexpr TColor kCaseLight = RGB(236, 236, 230), kCaseDark = RGB(176, 178, 174);
constexpr TColor kScreenOff = RGB(26, 52, 104), kScreenOn = RGB(70, 150, 230), kScreenGlare = RGB(160, 210, 250);
constexpr TColor kMetalLight = RGB(220, 223, 230), kMetalDark = RGB(150, 156, 168), kMetalFront = RGB(120, 126, 140);
constexpr TColor kLedOff = RGB(36, 84, 36), kLedOn = RGB(70, 235, 70);
constexpr TColor kWallpaperLight = RGB(60, 170, 175), kWallpaperDark = RGB(30, 116, 130);
constexpr TColor kTaskbar = RGB(40, 72, 168), kTitleBar = RGB(40, 90, 200);
constexpr TColor kRoof = RGB(210, 70, 50), kRoofDark = RGB(170, 45, 35), kRoofInk = RGB(108, 30, 20);
constexpr TColor kWallLight = RGB(250, 238, 212), kWallDark = RGB(226, 206, 168), kWallInk = RGB(130, 100, 60);
constexpr TColor kDoor = RGB(150, 94, 44), kDoorway = RGB(48, 34, 20), kWindow = RGB(140, 196, 240);

void PaintFolder(TCrispIconPainter& p, bool open)
{
    auto back = p.NewShape().AddRect(3, 7, 13, 11).AddRect(3, 10, 29, 27);
    if (!open) {
        p.Paint(back, kFolderLight, kFolderDark, kFolderInk);
        p.Line(5, 12, 27, 12, kFolderLight);
        return;
    }
    p.Paint(back, kFolderInside, kFolderDark, kFolderInk);
    p.Paint(p.NewShape().AddRect(7, 12, 27, 22), kPaperLight, kPaperDark, kPaperInk);
    p.Paint(p.NewShape().AddPolygon({{8, 16}, {31, 16}, {27, 27}, {3, 27}}), kFolderLight, kFolderDark, kFolderInk);
}

void PaintPage(TCrispIconPainter& p)
{
    p.Paint(p.NewShape().AddPolygon({{6, 2}, {20, 2}, {27, 9}, {27, 30}, {6, 30}}), kPaperLight, kPaperDark,
            kPaperInk);
    p.Paint(p.NewShape().AddPolygon({{19, 2}, {19, 10}, {27, 10}}), kPaperFold, kPaperInk);
}

void PaintOtherFile(TCrispIconPainter& p)
{
    PaintPage(p);
    for (int y = 14; y <= 26; y += 4) p.Line(10, y, y == 26 ? 18 : 23, y, kTextLine);
}

void PaintPictureFile(TCrispIconPainter& p)
{
    PaintPage(p);
    p.Paint(p.NewShape().AddRect(9, 12, 25, 27), kSkyLight, kSkyDark, kPaperInk);
    p.Paint(p.NewShape().AddPolygon({{10, 26}, {10, 22}, {15, 17}, {19, 21}, {21, 19}, {24, 22}, {24, 26}}), kHill,
            clNone);
    p.FillRect(19, 14, 22, 17, kSun);
}

void PaintDrive(TCrispIconPainter& p, bool open)
{
    p.Paint(p.NewShape().AddRect(2, 11, 30, 24), kMetalLight, kMetalDark, kInk);
    p.FillRect(3, 18, 29, 23, kMetalFront);
    p.Line(5, 14, 20, 14, kInk);
    p.FillRect(24, 19, 27, 22, open ? kLedOn : kLedOff);
}

void PaintComputer(TCrispIconPainter& p, bool open)
{
    p.Paint(p.NewShape().AddRect(3, 22, 29, 30), kCaseLight, kCaseDark, kInk);
    p.Line(6, 25, 15, 25, kInk);
    p.FillRect(24, 25, 26, 27, open ? kLedOn : kLedOff);
    p.FillRect(13, 19, 19, 22, kCaseDark);
    p.Paint(p.NewShape().AddRect(5, 2, 27, 20), kCaseLight, kCaseDark, kInk);
    p.Paint(p.NewShape().AddRect(8, 5, 24, 17), open ? kScreenOn : kScreenOff, kInk);
    if (open) p.Line(10, 14, 17, 7, kScreenGlare);
}

void PaintDesktop(TCrispIconPainter& p)
{
    // Stand and wallpaper go without outlines: at 16 pixels those would swallow them whole.
    p.FillRect(9, 27, 23, 30, kCaseDark);
    p.FillRect(14, 25, 18, 27, kCaseDark);
    p.Paint(p.NewShape().AddRect(1, 3, 31, 26), kCaseLight, kCaseDark, kInk);
    p.Paint(p.NewShape().AddRect(3, 5, 29, 24), kWallpaperLight, kWallpaperDark, clNone);
    p.Paint(p.NewShape().AddRect(6, 8, 17, 18), kPaperLight, kPaperDark, kPaperInk);
    p.FillRect(7, 9, 16, 11, kTitleBar);
    p.FillRect(21, 8, 25, 11, kFolderLight);
    p.FillRect(21, 13, 25, 16, kPaperLight);
    p.FillRect(4, 21, 28, 23, kTaskbar);
}

void PaintHome(TCrispIconPainter& p, bool open)
{
    p.FillRect(22, 4, 26, 12, kRoofDark);
    p.Paint(p.NewShape().AddRect(5, 14, 27, 30), kWallLight, kWallDark, kWallInk);
    p.Paint(p.NewShape().AddPolygon({{16, 2}, {31, 16}, {1, 16}}), kRoof, kRoofDark, kRoofInk);
    p.Paint(p.NewShape().AddRect(20, 18, 25, 23), kWindow, kWallInk);
    if (open) {
        p.Paint(p.NewShape().AddRect(11, 19, 18, 30), kDoorway, kWallInk);
        p.FillRect(11, 19, 13, 30, kDoor);
    } else {
        p.Paint(p.NewShape().AddRect(11, 19, 18, 30), kDoor, kWallInk);
    }
}

TShellImageList BuildImageList(int size)
{
    TShellImageList list;
    list.size = size;
    for (int kind = 0; kind < kShellIconKindCount; ++kind)
        for (bool open : {false, true}) list.images.push_back(DrawShellIcon(TShellIconKind(kind), open, size));
    return list;
}

} // namespace

TBitmap DrawShellIcon(TShellIconKind kind, bool open, int size)
{
    TBitmap icon(size, size, TPixelFormat::pf24bit);
    icon.Fill(kShellIconTransparentColor);
    TCrispIconPainter p(icon);
    switch (kind) {
    case TShellIconKind::Desktop: PaintDesktop(p); break;
    case TShellIconKind::Computer: PaintComputer(p, open); break;
    case TShellIconKind::Home: PaintHome(p, open); break;
    case TShellIconKind::Drive: PaintDrive(p, open); break;
    case TShellIconKind::Folder: PaintFolder(p, open); break;
    case TShellIconKind::PictureFile: PaintPictureFile(p); break;
    case TShellIconKind::OtherFile: PaintOtherFile(p); break;
    }
    return icon;
}

const TShellImageList& ShellSmallImages()
{
    static const TShellImageList list = BuildImageList(16);
    return list;
}

const TShellImageList& ShellLargeImages()
{
    static const TShellImageList list = BuildImageList(32);
    return list;
}

} // namespace tavrik
