#pragma once

#include "ui/Component.h"
#include "ui/PopupMenu.h"
#include "wsys/WinTypes.h"

#include <functional>
#include <vector>

namespace tavrik {

class TImageList;
class TMenuItem;
class TPopupMenuWindow;

// Runs an open popup menu: one window per open level (the menu and its open submenus), the
// mouse captured by the first so that a press anywhere else closes the menu, and the keys
// taken from the message loop while it runs.
//
//   event                 | effect
//   ----------------------+---------------------------------------------------------------
//   pointer over an item  | selects it; opens its submenu, closes deeper ones
//   release over an item  | chooses it (items with a submenu and disabled items: nothing)
//   press outside         | closes the whole menu
//   Up / Down             | previous / next enabled item of the deepest level, wrapping
//   Right / Enter         | opens the selected item's submenu at its first item
//   Enter                 | chooses the selected command item
//   Left / Esc            | closes the deepest submenu (Esc on the first level: the menu)
//   accelerator letter    | as Enter on the item with that "&" letter
//   Alt, F10, lost mouse  | closes the whole menu
class TMenuTracker {
public:
    TMenuTracker(TMenuItem* root, TImageList* images, TPopupAlignment alignment = TPopupAlignment::paLeft);
    ~TMenuTracker();
    TMenuTracker(const TMenuTracker&) = delete;
    TMenuTracker& operator=(const TMenuTracker&) = delete;

    // Opens the menu at a screen point and runs until it closes; answers the chosen item.
    TComponentRef<TMenuItem> Run(TPoint at);

    // The menu that is open now (the innermost Run), for tests and for closing it from outside.
    static TMenuTracker* Current();
    int LevelCount() const { return int(levels_.size()); }
    TPopupMenuWindow* Level(int index) const { return levels_.at(size_t(index)).get(); }
    void Close(TMenuItem* chosen);

private:
    friend class TPopupMenuWindow;
    void MouseMessage(UINT msg, TPoint screen);
    bool KeyMessage(const MSG& m);
    void OpenLevel(TMenuItem* parent, TPoint at, TRect avoid);
    void OpenSubmenu(int level, int index, bool selectFirst);
    void CloseLevelsAbove(int level);
    int LevelAt(TPoint screen) const;
    void Choose(int level, int index);

    TMenuItem* root_;
    TImageList* images_;
    TPopupAlignment alignment_;
    std::vector<TOwnedPtr<TPopupMenuWindow>> levels_;
    std::vector<TOwnedPtr<TPopupMenuWindow>> closed_;
    bool done_ = false;
    TComponentRef<TMenuItem> chosen_;
    TMenuTracker* outer_ = nullptr;
};

} // namespace tavrik
