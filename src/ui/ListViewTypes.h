#pragma once

#include "core/Geometry.h"
#include "ui/OwnerDrawState.h"
#include "wsys/WinTypes.h"

#include <cstdint>
#include <functional>

namespace tavrik {

class TComponent;
class TCustomListView;
class TListItem;
class TListColumn;

// How a list view lays out its items: large icons in rows, small icons in rows, a column
// after column list, or rows with one column per detail.
enum class TViewStyle : uint8_t { vsIcon, vsSmallIcon, vsList, vsReport };

// What AlphaSort and SortType compare when OnCompare is not set: the captions, the Data
// pointers, or both (captions first).
enum class TSortType : uint8_t { stNone, stData, stText, stBoth };

// Directions of GetNextItem: the neighbours on screen, or sdAll for the next index.
enum class TSearchDirection : uint8_t { sdLeft, sdRight, sdAbove, sdBelow, sdAll };

// Item state bits, for GetNextItem.
enum TItemStateFlag : unsigned { isNone = 0, isFocused = 4, isSelected = 8 };
using TItemStates = unsigned;

// What changed about an item (OnChange).
enum class TItemChange : uint8_t { ctText, ctImage, ctState };

// Parts of an item's rectangle (TListItem::DisplayRect): the whole item, its icon, its
// caption, and the part that shows the selection (icon and caption, or the whole row with
// RowSelect).
enum class TDisplayCode : uint8_t { drBounds, drIcon, drLabel, drSelectBounds };

using TLVDrawItemEvent =
    std::function<void(TCustomListView* Sender, TListItem* Item, TRect Rect, TOwnerDrawState State)>;
using TLVSelectItemEvent = std::function<void(TComponent* Sender, TListItem* Item, bool Selected)>;
using TLVChangeEvent = std::function<void(TComponent* Sender, TListItem* Item, TItemChange Change)>;
using TLVColumnClickEvent = std::function<void(TComponent* Sender, TListColumn* Column)>;
// Compare < 0 puts Item1 first.
using TLVCompareEvent =
    std::function<void(TComponent* Sender, TListItem* Item1, TListItem* Item2, intptr_t Data, int& Compare)>;
// Virtual mode: fill Caption, ImageIndex and SubItems of the item of Item->Index().
using TLVOwnerDataEvent = std::function<void(TComponent* Sender, TListItem* Item)>;
using TLVDeletedEvent = std::function<void(TComponent* Sender, TListItem* Item)>;

// List view messages of the window system's list control, for code that only holds the
// window: the scroll queries and requests a skinned frame around the list needs.
constexpr UINT LVM_FIRST = 0x1000;
constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
constexpr UINT LVM_GETITEMRECT = LVM_FIRST + 14;   // wParam: index; lParam: TRect*, Left = LVIR_*
constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39;
constexpr UINT LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;
constexpr UINT LVM_SCROLL = LVM_FIRST + 20;        // wParam: dx; lParam: dy (see TCustomListView::Scroll)
constexpr UINT LVM_GETHEADER = LVM_FIRST + 31;     // answer: the header window
constexpr UINT LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;
constexpr int LVIR_SELECTBOUNDS = 3;

} // namespace tavrik
