#pragma once

#include "ui/CustomControl.h"

#include <vector>

namespace tavrik {

class TImageList;
class TMenuItem;
class TMenuTracker;

// One level of an open popup menu, in the plain look: the visible items of a menu item,
// one below the other, with check marks or images on the left and shortcuts on the right.
class TPopupMenuWindow : public TCustomControl {
public:
    TPopupMenuWindow(TMenuTracker* tracker, TMenuItem* parent, TImageList* images, bool first);
    const char* ClassName() const override { return "TPopupMenuWindow"; }

    TMenuItem* MenuParent() const { return parent_; }
    int ItemCount() const { return int(items_.size()); }
    TMenuItem* Item(int index) const { return items_.at(size_t(index)); }
    TRect ItemRect(int index) const { return rects_.at(size_t(index)); }
    // The size the items need.
    TSize NeededSize() const { return size_; }
    int Selected() const { return selected_; }
    void SetSelected(int index);
    // The item under a client point, or -1 (outside, or a separator).
    int ItemAt(TPoint client) const;
    // An enabled command or submenu item, not a separator.
    bool Selectable(int index) const;
    // The next selectable item after `from` in the direction (+1 or -1), wrapping; -1: none.
    int NextSelectable(int from, int direction) const;
    int IndexOfAccelerator(char32_t c) const;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    void Layout();
    void PaintItem(TCanvas& canvas, int index);

    TMenuTracker* tracker_;
    TMenuItem* parent_;
    TImageList* images_;
    bool first_;
    std::vector<TMenuItem*> items_;
    std::vector<TRect> rects_;
    TSize size_;
    int shortCutLeft_ = 0;
    int selected_ = -1;
};

// Whether a menu item opens a submenu (it has visible items).
bool HasSubmenu(const TMenuItem* item);

} // namespace tavrik
