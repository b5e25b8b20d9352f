#pragma once

#include "gfx/FontRequest.h"
#include "skincontrols/SkinMenuItem.h"
#include "ui/CustomControl.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tavrik {

class TImageList;
class TMenuItem;
class TbsDataSkinMenuItem;
class TbsDataSkinPopupWindow;
class TbsSkinMenu;

// Where a menu window of the given size goes for an anchor rectangle (screen coordinates) in
// the work area: below the anchor (a point for a popup, a button for its menu), above it
// when upward or when it does not fit below, beside it for a submenu, and always inside the
// work area. itemsTop is how far the first entry lies below the window's top, so that a
// submenu's first entry lines up with the entry that opened it.
TPoint PopupWindowPlace(const TRect& anchor, TSize size, int itemsTop, const TRect& workArea, bool submenu,
                        bool upward, bool scroll);

// One level of an open skinned menu: a borderless top-level window that never takes the
// activation, listing the visible items of a menu item from a start index. The menu engine
// (TbsSkinMenu) opens and closes the levels; a window watches the mouse itself, every 50 ms,
// rather than holding the capture, and hears of presses outside it from the window system.
//
//   event                          | effect
//   -------------------------------+-----------------------------------------------------------
//   pointer rests on an entry      | highlights it; an entry with a submenu opens it after 500 ms
//   release over an entry          | clicks it: a command closes the menu and runs, a submenu opens
//   pointer on a scroll marker     | scrolls one entry every 100 ms
//   "&" letter                     | enters and clicks that entry
//   Up / Down                      | previous / next enabled entry, wrapping, scrolling along
//   Enter / Right                  | clicks the entry / opens its submenu
//   Esc / Left                     | closes this level (Left: not the first)
//   press outside every level      | closes the whole menu
class TbsSkinPopupWindow : public TCustomControl {
public:
    TbsSkinPopupWindow(TbsSkinMenu* engine, TMenuItem* item, int startIndex, TImageList* images);
    ~TbsSkinPopupWindow() override;
    const char* ClassName() const override { return "TbsSkinPopupWindow"; }

    // Lays the entries out, places the window at the anchor (screen coordinates) and shows it.
    void Open(const TRect& anchor, bool submenu, bool upward);
    // Hides it and stops its timers; the engine frees it later.
    void Close();

    TbsSkinMenu* Engine() const { return engine_; }
    TMenuItem* MenuParent() const { return item_; }
    int ItemCount() const { return int(items_.size()); }
    TbsSkinMenuItem* Items(int index) const { return items_.at(size_t(index)).get(); }
    int IndexOf(const TbsSkinMenuItem* entry) const;
    int ActiveItem() const { return activeItem_; }
    bool Scroll() const { return scroll_; }
    int VisibleStart() const { return visibleStart_; }
    int VisibleCount() const { return visibleCount_; }
    int ScrollCode() const { return scrollCode_; } // 0 still, 1 up, 2 down
    const TRect& NewItemsRect() const { return newItemsRect_; }
    int GlyphWidth() const { return glyphWidth_; }
    TImageList* Images() const { return images_; }
    const TFontRequest& ItemFont() const { return itemFont_; }
    // Whether a message of this window is being handled (the engine frees it only after).
    bool Busy() const { return busy_ > 0; }

    // The pointer at a client point (the mouse timer's poll, a release).
    void HoverAt(TPoint p);
    // A key routed to the deepest open level.
    void HandleKey(uint16_t key);
    // Makes an entry the active one as the keyboard or the mouse does.
    void EnterItem(int index, bool byMouse);
    void LeaveItem(int index);
    // A release over the entry or Enter.
    void ClickItem(int index);
    // Redraws the entry, or starts the fade of a morphing skin.
    void RestartMorph(TbsSkinMenuItem* entry);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    static constexpr uint64_t kMouseTimer = 1;
    static constexpr uint64_t kMorphTimer = 2;
    static constexpr uint64_t kScrollTimer = 3;
    static constexpr unsigned kMouseInterval = 50;
    static constexpr unsigned kMorphInterval = 20;
    static constexpr unsigned kScrollInterval = 100;
    static constexpr int kMarkerHeight = 10; // the scroll markers above and below the entries

    void ReadSkin();
    void CreateEntries(int startIndex);
    TSize MeasureWindow();
    void LayoutEntries();
    void MakeRegion(TSize size);
    void ShowAt(TPoint at);
    TBitmap Background(TSize size) const;
    void DrawScrollMarkers(TCanvas& canvas) const;
    TRect UpperMarker() const;
    TRect LowerMarker() const;
    void RedrawMarkers();
    void DrawEntry(TbsSkinMenuItem* entry);
    void MouseTimer();
    void MorphTimer();
    void StartScrolling(int code);
    void StopScrolling();
    void ScrollTimer();
    bool ScrollBy(int delta);
    int LastIndex() const { return int(items_.size()) - 1; }
    int FindSelectable(int from, int to, int step) const;
    void SelectByKey(int direction);
    void ScrollToShow(int index);

    TbsSkinMenu* engine_;
    TMenuItem* item_;
    TImageList* images_;
    int startIndex_;
    std::vector<std::unique_ptr<TbsSkinMenuItem>> items_;
    const TbsDataSkinPopupWindow* windowSkin_ = nullptr;
    const TBitmap* windowPicture_ = nullptr;
    const TBitmap* maskPicture_ = nullptr;
    const TbsDataSkinMenuItem* itemSkin_ = nullptr;
    const TBitmap* itemPicture_ = nullptr;
    TFontRequest itemFont_;
    int glyphWidth_ = 19;
    int activeItem_ = -1;
    bool scroll_ = false;
    int visibleStart_ = 0;
    int visibleCount_ = 0;
    int scrollCode_ = 0;
    TRect newItemsRect_;
    TPoint lastPolled_;
    bool morphRunning_ = false;
    bool scrollRunning_ = false;
    int busy_ = 0;
};

} // namespace tavrik
