#include "ui/PageControl.h"

#include "ui/Form.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl()
{
    // The pages go with the control's children; they must not report back to it then.
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const
{
    return index >= 0 && index < PageCount() ? pages_[size_t(index)] : nullptr;
}

int TPageControl::ActivePageIndex() const
{
    auto it = std::find(pages_.begin(), pages_.end(), activePage_);
    return it == pages_.end() ? -1 : int(it - pages_.begin());
}

void TPageControl::SetActivePageIndex(int index)
{
    if (TTabSheet* page = Pages(index)) SetActivePage(page);
}

TTabSheet* TPageControl::PageOfTab(int tabIndex) const
{
    if (tabIndex < 0) return nullptr;
    for (TTabSheet* page : pages_)
        if (page->TabVisible() && tabIndex-- == 0) return page;
    return nullptr;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward, bool tabVisibleOnly) const
{
    int n = PageCount();
    if (n == 0) return nullptr;
    auto it = std::find(pages_.begin(), pages_.end(), current);
    int start = it == pages_.end() ? (forward ? n - 1 : 0) : int(it - pages_.begin());
    for (int step = 1; step <= n; ++step) {
        TTabSheet* page = pages_[size_t(((start + (forward ? step : -step)) % n + n) % n)];
        if (!tabVisibleOnly || page->TabVisible()) return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool forward)
{
    TTabSheet* next = FindNextPage(activePage_, forward, true);
    if (next && next != activePage_) SelectTabByUser(next->TabIndex());
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->PageControl() != this) return;
    ShowPage(page, true);
    SetTabIndex(page ? page->TabIndex() : -1);
}

void TPageControl::Change()
{
    ShowPage(PageOfTab(TabIndex()), true);
    TCustomTabControl::Change();
}

void TPageControl::ShowPage(TTabSheet* page, bool moveFocus)
{
    if (page == activePage_) return;
    TTabSheet* old = activePage_;
    TForm* form = GetParentForm(this);
    bool hadFocus = moveFocus && old && form && form->ActiveControl() && old->ContainsControl(form->ActiveControl());
    activePage_ = page;
    if (page) {
        TRect display = DisplayRect();
        page->SetBounds(display.Left, display.Top, display.Width(), display.Height());
        page->BringToFront();
        page->SetVisible(true);
    }
    if (old) old->SetVisible(false);
    if (!hadFocus) return;
    // The focus was on the page that went: it moves to the new page's first control.
    TWinControl* next = page ? page->FindNextControl(nullptr, true, true, false) : nullptr;
    if (next) next->SetFocus();
    else if (CanFocus()) SetFocus();
}

void TPageControl::InsertPage(TTabSheet* page)
{
    if (std::find(pages_.begin(), pages_.end(), page) != pages_.end()) return;
    pages_.push_back(page);
    UpdateTabs();
    if (!activePage_) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page)
{
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    if (page == activePage_) {
        TTabSheet* next = FindNextPage(page, true, true);
        if (next == page) next = nullptr;
        activePage_ = nullptr;
        pages_.erase(std::find(pages_.begin(), pages_.end(), page));
        UpdateTabs();
        SetActivePage(next);
        return;
    }
    pages_.erase(it);
    UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index)
{
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    index = std::clamp(index, 0, PageCount() - 1);
    pages_.erase(it);
    pages_.insert(pages_.begin() + index, page);
    UpdateTabs();
}

void TPageControl::UpdateTabs()
{
    TStringItems& tabs = TabItems();
    tabs.BeginUpdate();
    tabs.Clear();
    for (TTabSheet* page : pages_)
        if (page->TabVisible()) tabs.Add(page->Caption(), page);
    tabs.EndUpdate();
    SetTabIndex(activePage_ ? activePage_->TabIndex() : -1);
}

bool TPageControl::TabEnabled(int index) const
{
    TTabSheet* page = PageOfTab(index);
    return !page || page->Enabled();
}

int TPageControl::TabImageIndex(int index) const
{
    TTabSheet* page = PageOfTab(index);
    return page ? page->ImageIndex() : -1;
}

void TPageControl::AlignControls(TControl* control, TRect& rect)
{
    TRect display = rect;
    TCustomTabControl::AlignControls(control, rect);
    // Hidden pages are placed too, so that a page is already laid out when it is shown.
    for (TTabSheet* page : pages_) page->SetBounds(display.Left, display.Top, display.Width(), display.Height());
}

} // namespace tavrik
