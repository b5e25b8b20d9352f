#pragma once

#include "ui/CustomControl.h"

#include <string>
#include <vector>

namespace tavrik {

class TImageList;

// Header window messages and notifications, numbered as the window system's header control
// numbers them, so that code holding only the window (a skinned frame that paints it) can
// ask it for its sections.
constexpr UINT HDM_FIRST = 0x1200;
constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
constexpr UINT HDM_INSERTITEM = HDM_FIRST + 1;  // wParam: index; lParam: const HDITEM*; answer: index or -1
constexpr UINT HDM_DELETEITEM = HDM_FIRST + 2;  // wParam: index
constexpr UINT HDM_GETITEM = HDM_FIRST + 3;     // wParam: index; lParam: HDITEM* (mask says what)
constexpr UINT HDM_SETITEM = HDM_FIRST + 4;     // wParam: index; lParam: const HDITEM*
constexpr UINT HDM_HITTEST = HDM_FIRST + 6;     // lParam: HDHITTESTINFO*; answer: item or -1
constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7; // wParam: index; lParam: TRect*
constexpr UINT HDM_ORDERTOINDEX = HDM_FIRST + 15;
constexpr UINT HDM_GETORDERARRAY = HDM_FIRST + 17; // wParam: count; lParam: int[count]
constexpr UINT HDM_SETORDERARRAY = HDM_FIRST + 18; // wParam: count; lParam: const int[count]

// Notification codes, sent to the parent in WM_NOTIFY with an NMHEADER.
constexpr UINT HDN_FIRST = UINT(-300);
constexpr UINT HDN_ITEMCHANGING = HDN_FIRST - 0; // answer non-zero to refuse the change
constexpr UINT HDN_ITEMCHANGED = HDN_FIRST - 1;
constexpr UINT HDN_ITEMCLICK = HDN_FIRST - 2;
constexpr UINT HDN_DIVIDERDBLCLICK = HDN_FIRST - 5;
constexpr UINT HDN_BEGINTRACK = HDN_FIRST - 6; // answer non-zero to refuse the resize
constexpr UINT HDN_ENDTRACK = HDN_FIRST - 7;
constexpr UINT HDN_TRACK = HDN_FIRST - 8;
constexpr UINT HDN_BEGINDRAG = HDN_FIRST - 10; // answer non-zero to refuse moving the section
constexpr UINT HDN_ENDDRAG = HDN_FIRST - 11;

// HDITEM masks and formats.
constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_TEXT = 0x0002;
constexpr UINT HDI_FORMAT = 0x0004;
constexpr UINT HDI_LPARAM = 0x0008;
constexpr UINT HDI_IMAGE = 0x0020;
constexpr UINT HDI_ORDER = 0x0080;
constexpr int HDF_LEFT = 0;
constexpr int HDF_RIGHT = 1;
constexpr int HDF_CENTER = 2;
constexpr int HDF_JUSTIFYMASK = 3;

// Hit-test answers (HDHITTESTINFO::flags).
constexpr UINT HHT_NOWHERE = 0x0001;
constexpr UINT HHT_ONHEADER = 0x0002;
constexpr UINT HHT_ONDIVIDER = 0x0004;
constexpr UINT HHT_ABOVE = 0x0100;
constexpr UINT HHT_BELOW = 0x0200;
constexpr UINT HHT_TORIGHT = 0x0400;
constexpr UINT HHT_TOLEFT = 0x0800;

// Header window styles.
constexpr DWORD HDS_BUTTONS = 0x0002;
constexpr DWORD HDS_DRAGDROP = 0x0040;
constexpr DWORD HDS_FULLDRAG = 0x0080;

struct NMHDR {
    HWND hwndFrom = nullptr;
    uintptr_t idFrom = 0;
    UINT code = 0;
};

struct HDITEM {
    UINT mask = 0;
    int cxy = 0; // width
    std::string text;
    int fmt = HDF_LEFT;
    LPARAM lParam = 0;
    int iImage = -1;
    int iOrder = -1; // display position
};

struct NMHEADER {
    NMHDR hdr;
    int iItem = -1;
    int iButton = 0; // 0 left, 1 right, 2 middle
    HDITEM* pitem = nullptr;
};

struct HDHITTESTINFO {
    TPoint pt; // client coordinates of the header
    UINT flags = 0;
    int iItem = -1;
};

// The column header of a list view in report style: a child window of class "SysHeader32"
// holding a row of sections. The mouse presses a section (a click notifies HDN_ITEMCLICK)
// or drags the divider at a section's right edge to resize it (HDN_BEGINTRACK, then
// HDN_ITEMCHANGING/HDN_ITEMCHANGED at every step, HDN_ENDTRACK). With DragDrop a section
// dragged sideways moves to where it is dropped (HDN_BEGINDRAG, then HDN_ENDDRAG and
// HDN_ITEMCHANGED with HDI_ORDER). Everything it holds can be
// read and changed through the HDM_* messages; the C++ methods are the same operations.
class THeaderControl : public TCustomControl {
public:
    static constexpr const char* kWindowClass = "SysHeader32";
    // How far either side of a section's right edge the divider takes the mouse.
    static constexpr int kDividerGrip = 4;

    explicit THeaderControl(TComponent* owner);
    const char* ClassName() const override { return "THeaderControl"; }

    int ItemCount() const { return int(items_.size()); }
    int InsertItem(int index, const HDITEM& item);
    bool DeleteItem(int index);
    bool GetItem(int index, HDITEM& item) const;
    // Notifies HDN_ITEMCHANGING / HDN_ITEMCHANGED when notify is set.
    bool SetItem(int index, const HDITEM& item, bool notify = true);
    // Item indices in display order.
    const std::vector<int>& OrderArray() const { return order_; }
    bool SetOrderArray(const std::vector<int>& order);
    // The item shown at a display position, or -1.
    int OrderToIndex(int position) const;
    // Client rectangle of an item, laid out left to right in display order; empty when out of
    // range.
    TRect ItemRect(int index) const;
    int HitTest(TPoint p, UINT& flags) const;

    // Images shown in the sections (not owned; the list view's small images).
    void SetImages(TImageList* images);
    bool DragDrop() const { return dragDrop_; }
    void SetDragDrop(bool on) { dragDrop_ = on; }
    // The section held down by the mouse, or -1 (also while it is being moved).
    int PressedItem() const { return pressed_ && pressedInside_ ? pressedItem_ : -1; }
    bool Tracking() const { return trackItem_ >= 0; }
    // The height the font asks for.
    int PreferredHeight() const;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    struct TItem {
        std::string text;
        int width = 0;
        int fmt = HDF_LEFT;
        LPARAM lParam = 0;
        int image = -1;
    };
    LRESULT Notify(UINT code, int item, HDITEM* info = nullptr);
    void PaintSection(TCanvas& canvas, int index, const TRect& r);
    void ChangeWidthFromDrag(int x);
    void DropSection(int x);

    std::vector<TItem> items_;
    std::vector<int> order_;
    TImageList* images_ = nullptr;
    int pressedItem_ = -1;
    bool pressed_ = false;
    bool pressedInside_ = false;
    bool dragDrop_ = false;
    bool moving_ = false;
    int pressX_ = 0;
    int trackItem_ = -1;
    int trackStartX_ = 0;
    int trackStartWidth_ = 0;
};

} // namespace tavrik
