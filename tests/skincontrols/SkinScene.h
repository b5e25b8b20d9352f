#pragma once

#include "skin/SkinData.h"
#include "support/HeadlessScene.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrik::testing {

// The colour of pixel (x, y) of test::CoordinatePicture with its default tag.
inline TColor CoordinateColor(int x, int y) { return RGB(uint8_t(x), uint8_t(y), 7); }

// A headless screen (800 x 600, virtual clock) with an application and a shown form without
// frame at (100, 100), which relays skin changes to all its controls as a skinned frame does,
// and a skin data component owned by the form.
class SkinScene : public ::testing::Test {
protected:
    SkinScene();

    // Loads a skin from text lines and active pictures into `data` (a stored skin of them).
    void LoadSkin(const std::vector<std::string>& lines, std::vector<TBitmap> pictures);
    void LoadProgramSkin();

    template <class T>
    T* Add(TWinControl* parent, TRect bounds, const std::string& skinName = "")
    {
        auto* c = new T(form);
        c->SetParent(parent);
        if constexpr (requires { c->SetSkinDataName(skinName); })
            if (!skinName.empty()) c->SetSkinDataName(skinName);
        c->SetBoundsRect(bounds);
        return c;
    }
    TColor Pixel(TPoint p) const { return screen->ScreenPixel(p.x, p.y); }
    TColor PixelOf(const TControl* control, int x, int y) const { return Pixel(control->ClientToScreen({x, y})); }

    test::THeadlessScene host{800, 600};
    THeadlessBackend* screen = host.screen;
    TForm* form = nullptr;
    TbsSkinData* data = nullptr;
};

} // namespace tavrik::testing
