#pragma once

#include "ui/CustomControl.h"
#include "ui/StringItems.h"

#include <functional>
#include <vector>

namespace tavrik {

class TImageList;

// Requests the tab control answers, with the numbers of the native control.
constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETIMAGELIST = TCM_FIRST + 2;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10; // wParam: tab; lParam: TRect* (client coordinates); answer 1 when found
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;   // wParam: tab; answer: the previous one; no change events
constexpr UINT TCM_HITTEST = TCM_FIRST + 13;     // lParam: client point as PointToLParam; answer: tab or -1
// wParam: 0 turns a window rectangle into the page rectangle, 1 the reverse; lParam: TRect*.
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;
// lParam: MAKELPARAM(width, height), 0 meaning automatic; TabWidth and TabHeight stay.
constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;
constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;

enum class TTabPosition : uint8_t { tpTop, tpBottom, tpLeft, tpRight };

using TTabChangingEvent = std::function<void(TComponent* Sender, bool& AllowChange)>;

// A row of tabs over a page area, in the system colours.
//
// Geometry, tabs on top (on the bottom it is mirrored; on the left and the right the row
// stands upright, each tab as long as it would be wide and as wide as the row is high, its
// caption turned to read upwards):
//
//      2 +------+------+              tabs start 2 pixels in from the left and the top
//        | Tab0 | Tab1 |              height: TabHeight, or the font's line height + 6
//  2 + h +------+------+------------+
//        |  page area: 4 pixels in  |  from every edge and from the tab row
//        +--------------------------+
//
// Every rectangle the control uses itself (for hit tests, painting and placing its pages)
// is asked for with TCM_GETITEMRECT and TCM_ADJUSTRECT, so a descendant that answers those
// requests differently moves all of it.
//
// Only one row is shown; tabs beyond its end are reached by scrolling the row: with the two
// arrow buttons at the right end of a lying row (shown while the tabs do not fit), with
// WM_HSCROLL and SB_THUMBPOSITION (which makes the given tab the first) and by the keyboard.
class TCustomTabControl : public TCustomControl {
public:
    explicit TCustomTabControl(TComponent* owner);
    const char* ClassName() const override { return "TCustomTabControl"; }

    // -1 when there are no tabs. Setting it from code fires no events.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    int TabCount() const { return tabs_.Count(); }
    // The tab size asked for; setting it also makes it the size the tabs have. A
    // descendant can give the tabs another size with TCM_SETITEMSIZE, which leaves these be.
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int height); // 0: from the font
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width);   // 0: from the caption
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition position);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // The tab that is shown first at the left end of the row.
    int FirstVisibleTab() const { return firstTab_; }
    void ScrollTabs(int firstTab);
    // Some tab lies beyond the row's ends.
    bool TabsOverflow() const;
    // The arrow buttons; a descendant that brings arrows of its own turns them off.
    bool ScrollArrows() const { return scrollArrows_; }
    void SetScrollArrows(bool on);
    // Where the left or right arrow button is drawn; empty while they are not shown.
    TRect ArrowRect(bool right) const;

    // The answers of TCM_GETITEMRECT, TCM_HITTEST and TCM_ADJUSTRECT(0) on the client area.
    TRect TabRect(int index);
    int IndexOfTabAt(int x, int y);
    TRect DisplayRect();

    // Moves the selection as the user does, with OnChanging and OnChange.
    void SelectNextTab(bool forward);
    bool SelectTabByUser(int index);

    void AdjustClientRect(TRect& rect) const override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    TStringItems& TabItems() { return tabs_; }
    const TStringItems& TabItems() const { return tabs_; }
    virtual bool CanChange();
    virtual void Change();
    // The caption text and whether the tab is drawn enabled; pages use their own state.
    virtual bool TabEnabled(int index) const { (void)index; return true; }
    virtual int TabImageIndex(int index) const { return index; }
    void Paint() override;
    virtual void DrawTab(TCanvas& canvas, int index, const TRect& rect, bool selected);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void FontChanged() override;
    // The tabs, their sizes or the row changed: new rectangles, new page area.
    void TabsChanged();

private:
    bool Upright() const { return tabPosition_ == TTabPosition::tpLeft || tabPosition_ == TTabPosition::tpRight; }
    int RowHeight() const;
    int RowEnd() const; // where the tabs' room ends along the row
    int RowLength() const { return Upright() ? Height() : Width(); }
    int TabEnd(int index) const; // along the row
    TRect PageMargins() const;
    TRect SelectedTabRect(const TRect& rect) const;
    void DrawTabOutline(TCanvas& canvas, const TRect& rect, bool top);
    void DrawLyingTab(TCanvas& canvas, int index, const TRect& rect, TRect content, bool selected, bool top);
    void PaintArrow(TCanvas& canvas, bool right);
    int NaturalTabWidth(int index) const;
    TRect NativeTabRect(int index) const;
    TRect NativeDisplayRect(const TRect& window) const;
    TRect NativeWindowRect(const TRect& display) const;
    void CMDialogKey(TMessage& m);

    TStringItems tabs_;
    int tabIndex_ = -1;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    int itemHeight_ = 0; // the size the tabs have, 0: automatic
    int itemWidth_ = 0;
    int firstTab_ = 0;
    TTabPosition tabPosition_ = TTabPosition::tpTop;
    bool scrollArrows_ = true;
    TImageList* images_ = nullptr;
    std::vector<int> tabLefts_; // row offsets without scrolling; one more than tabs: the end
};

// A tab control whose tabs are strings; the page area is left to the program.
class TTabControl : public TCustomTabControl {
public:
    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
    const char* ClassName() const override { return "TTabControl"; }

    TStringItems& Tabs() { return TabItems(); }
};

} // namespace tavrik
