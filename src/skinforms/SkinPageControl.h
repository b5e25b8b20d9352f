#pragma once

#include "ui/Font.h"
#include "ui/PageControl.h"

#include <string>

namespace tavrik {

class TBitmap;
class TbsDataSkinTabControl;
class TbsSkinData;
class TbsSkinUpDown;

// A page control drawn wholly from a tab control skin ("tab"): the strip behind the tabs
// (tabsbgrect tiled), each tab in its normal, hot (pointer over it), selected and focused
// (selected while the control has the focus) face, and the frame around the page area. The
// pages (TbsSkinTabSheet) paint their background from the same skin. Without the skin it
// draws a plain look in the system colours. Everything else (switching by mouse and
// Ctrl+Tab, keys, the pages) is the plain page control's.
//
// The skin is read again at every paint and size change, so it never draws from a skin being
// replaced. When the tabs overflow the single row, a skinned up-down (the skin's "updown"
// entry) at the row's end scrolls them.
class TbsSkinPageControl : public TPageControl {
public:
    explicit TbsSkinPageControl(TComponent* owner);
    ~TbsSkinPageControl() override;
    const char* ClassName() const override { return "TbsSkinPageControl"; }

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
    // The tabs' font without a skin, or with UseSkinFont off; skin fonts take its character set.
    TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on) { useSkinFont_ = on; }
    // The tab height without a skin (when TabHeight is 0), and the up-down's height.
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int height);

    // The control skin in use, or nullptr for the plain look; read again by every call.
    const TbsDataSkinTabControl* ReadSkin();
    // Reads the skin and sets the font and tab size from it, as after a skin change.
    void ApplySkin();
    int HotTab() const { return hotTab_; }
    TbsSkinUpDown* TabUpDown() const { return upDown_; }

    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;
    void Resize() override;
    void Change() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    enum class TTabLook : uint8_t { Normal, Hot, Selected, Focused };

    bool Upright() const { return TabPosition() == TTabPosition::tpLeft || TabPosition() == TTabPosition::tpRight; }
    void AdjustDisplayRect(TRect& r);
    void AdjustTabRect(TRect& r) const;
    void PaintPageFrame(TCanvas& canvas, const TbsDataSkinTabControl& skin, const TBitmap& picture);
    void DrawSkinTab(TCanvas& canvas, int tab, const TRect& r, TTabLook look);
    void DrawTabFace(TBitmap& image, TTabLook look, const TbsDataSkinTabControl* skin, const TBitmap* picture);
    void DrawTabContent(TBitmap& image, int tab, TTabLook look, const TbsDataSkinTabControl* skin);
    void SetHotTab(int tab);
    void UpdateTabUpDown();
    void SyncUpDownPosition();

    TbsSkinData* skinData_ = nullptr;
    std::string skinDataName_ = "tab";
    TFont defaultFont_;
    bool useSkinFont_ = true;
    int defaultItemHeight_ = 20;
    int hotTab_ = -1;
    TbsSkinUpDown* upDown_ = nullptr;
    bool layingOut_ = false;
};

// A page of TbsSkinPageControl: its background is the page control skin's client part (or the
// skin's background picture) tiled from the top-left corner, or the button face without a skin.
class TbsSkinTabSheet : public TTabSheet {
public:
    explicit TbsSkinTabSheet(TComponent* owner) : TTabSheet(owner) {}
    const char* ClassName() const override { return "TbsSkinTabSheet"; }

protected:
    void Paint() override;
    void Resize() override;
};

} // namespace tavrik
