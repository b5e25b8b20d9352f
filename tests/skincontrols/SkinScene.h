#pragma once

#include "skin/SkinData.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tavrik::testing {

// A picture in which every pixel has its own colour: red 10x + 5, green 20y + 5, blue `tag`.
TBitmap CellPicture(int width, int height, uint8_t tag = 77);
TColor CellColor(int x, int y, uint8_t tag = 77);

// A headless screen (800 x 600, virtual clock) with an application and a shown form without
// frame at (100, 100), which relays skin changes to all its controls as a skinned frame does,
// and a skin data component owned by the form.
class SkinScene : public ::testing::Test {
protected:
    SkinScene();
    ~SkinScene() override;

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

    THeadlessBackend* screen = nullptr;
    std::unique_ptr<TWindowSystem> ws;
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TbsSkinData* data = nullptr;
};

} // namespace tavrik::testing
