#include "ui/MenuTracker.h"

#include "ui/Application.h"
#include "ui/MenuItem.h"
#include "ui/PopupMenuWindow.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

namespace tavrik {

namespace {

TMenuTracker* current = nullptr;

// Puts the message filter back however the loop ends.
class TFilterScope {
public:
    explicit TFilterScope(std::function<bool(MSG&)> filter) : previous_(SetMessageFilter(std::move(filter))) {}
    ~TFilterScope() { SetMessageFilter(std::move(previous_)); }
    const std::function<bool(MSG&)>& Previous() const { return previous_; }

private:
    std::function<bool(MSG&)> previous_;
};

} // namespace

TMenuTracker* TMenuTracker::Current() { return current; }

TMenuTracker::TMenuTracker(TMenuItem* root, TImageList* images, TPopupAlignment alignment)
    : root_(root), images_(images), alignment_(alignment)
{
}

TMenuTracker::~TMenuTracker()
{
    if (current == this) current = outer_;
}

TComponentRef<TMenuItem> TMenuTracker::Run(TPoint at)
{
    if (TApplication* app = Application()) app->CancelHint();
    OpenLevel(root_, at, {});
    if (levels_.empty()) return {};
    outer_ = current;
    current = this;
    HWND first = levels_.front()->Handle();
    SetCapture(first);
    {
        std::function<bool(MSG&)> previous;
        TFilterScope scope([this, &previous](MSG& m) { return KeyMessage(m) || (previous && previous(m)); });
        previous = scope.Previous();
        RunMessageLoopUntil([this] { return done_; });
    }
    current = outer_;
    if (GetCapture() == first) ReleaseCapture();
    levels_.clear();
    closed_.clear();
    return chosen_;
}

void TMenuTracker::Close(TMenuItem* chosen)
{
    if (done_) return;
    done_ = true;
    chosen_ = chosen;
    for (auto& level : levels_) level->Hide();
    if (!levels_.empty() && levels_.front()->HandleAllocated() && GetCapture() == levels_.front()->Handle())
        ReleaseCapture();
}

void TMenuTracker::OpenLevel(TMenuItem* parent, TPoint at, TRect avoid)
{
    TOwnedPtr<TPopupMenuWindow> w(new TPopupMenuWindow(this, parent, images_, levels_.empty()));
    if (w->ItemCount() == 0) return;
    TSize size = w->NeededSize();
    TRect area = Screen()->WorkAreaRect();
    int x = at.x, y = at.y;
    if (avoid.IsEmpty()) {
        if (alignment_ == TPopupAlignment::paRight) x -= size.cx;
        else if (alignment_ == TPopupAlignment::paCenter) x -= size.cx / 2;
        if (x + size.cx > area.Right) x = at.x - size.cx;
        if (y + size.cy > area.Bottom) y = at.y - size.cy;
    } else if (x + size.cx > area.Right) {
        x = avoid.Left - size.cx + 3; // the other side of the parent level
    }
    x = std::max(area.Left, std::min(x, area.Right - size.cx));
    y = std::max(area.Top, std::min(y, area.Bottom - size.cy));
    w->SetBounds(x, y, size.cx, size.cy);
    w->Show();
    UpdateWindow(w->Handle());
    levels_.push_back(std::move(w));
}

void TMenuTracker::OpenSubmenu(int level, int index, bool selectFirst)
{
    CloseLevelsAbove(level);
    TPopupMenuWindow* w = levels_[size_t(level)].get();
    w->SetSelected(index);
    TMenuItem* item = w->Item(index);
    if (!HasSubmenu(item) || !item->Enabled()) return;
    TRect r = w->ItemRect(index);
    TPoint topLeft = w->ClientToScreen({0, r.Top});
    TRect parentRect = w->BoundsRect();
    OpenLevel(item, {parentRect.Right - 3, topLeft.y - 4}, parentRect);
    if (selectFirst && int(levels_.size()) == level + 2) {
        TPopupMenuWindow* sub = levels_.back().get();
        sub->SetSelected(sub->NextSelectable(-1, 1));
    }
}

void TMenuTracker::CloseLevelsAbove(int level)
{
    // Windows may be closed from inside their own messages; they are freed when the menu ends.
    while (int(levels_.size()) > level + 1) {
        levels_.back()->Hide();
        closed_.push_back(std::move(levels_.back()));
        levels_.pop_back();
    }
}

int TMenuTracker::LevelAt(TPoint screen) const
{
    for (int i = int(levels_.size()) - 1; i >= 0; --i)
        if (levels_[size_t(i)]->BoundsRect().Contains(screen)) return i;
    return -1;
}

void TMenuTracker::Choose(int level, int index)
{
    TPopupMenuWindow* w = levels_[size_t(level)].get();
    if (!w->Selectable(index)) return;
    TMenuItem* item = w->Item(index);
    if (HasSubmenu(item)) OpenSubmenu(level, index, true);
    else Close(item);
}

void TMenuTracker::MouseMessage(UINT msg, TPoint screen)
{
    if (done_ || levels_.empty()) return;
    int level = LevelAt(screen);
    switch (msg) {
    case WM_MOUSEMOVE: {
        if (level < 0) {
            levels_.back()->SetSelected(-1);
            return;
        }
        TPopupMenuWindow* w = levels_[size_t(level)].get();
        int index = w->ItemAt(w->ScreenToClient(screen));
        bool submenuOpen = int(levels_.size()) > level + 1;
        if (index >= 0 && index == w->Selected() && (submenuOpen || !HasSubmenu(w->Item(index)))) return;
        CloseLevelsAbove(level);
        w->SetSelected(index);
        if (index >= 0 && HasSubmenu(w->Item(index))) OpenSubmenu(level, index, false);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (level < 0) Close(nullptr);
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        if (level < 0) return;
        TPopupMenuWindow* w = levels_[size_t(level)].get();
        int index = w->ItemAt(w->ScreenToClient(screen));
        if (index >= 0 && !HasSubmenu(w->Item(index))) Choose(level, index);
        return;
    }
    default: return;
    }
}

bool TMenuTracker::KeyMessage(const MSG& m)
{
    bool down = m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN;
    bool character = m.message == WM_CHAR || m.message == WM_SYSCHAR;
    bool up = m.message == WM_KEYUP || m.message == WM_SYSKEYUP;
    if (!down && !character && !up) return false;
    if (done_ || levels_.empty() || up) return true;
    int level = int(levels_.size()) - 1;
    TPopupMenuWindow* w = levels_.back().get();
    int selected = w->Selected();
    if (character) {
        int index = w->IndexOfAccelerator(char32_t(m.wParam));
        if (index >= 0) Choose(level, index);
        return true;
    }
    switch (m.wParam) {
    case VK_DOWN: w->SetSelected(w->NextSelectable(selected, 1)); break;
    case VK_UP: w->SetSelected(w->NextSelectable(selected, -1)); break;
    case VK_RIGHT:
        if (selected >= 0 && HasSubmenu(w->Item(selected))) OpenSubmenu(level, selected, true);
        break;
    case VK_LEFT:
        if (level > 0) CloseLevelsAbove(level - 1);
        break;
    case VK_RETURN:
        if (selected >= 0) Choose(level, selected);
        break;
    case VK_ESCAPE:
        if (level > 0) CloseLevelsAbove(level - 1);
        else Close(nullptr);
        break;
    case VK_MENU:
    case VK_F10: Close(nullptr); break;
    default: break;
    }
    return true;
}

} // namespace tavrik
