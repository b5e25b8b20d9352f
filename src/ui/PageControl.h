#pragma once

#include "ui/TabControl.h"
#include "ui/TabSheet.h"

#include <vector>

namespace tavrik {

// A tab control whose tabs belong to pages (TTabSheet): the tab of every page with TabVisible
// in page order, and only the active page shown, filling the page area. The first page to
// join becomes the active one.
//
// OnChanging and OnChange fire when the user switches pages (mouse, arrows on the tabs,
// Ctrl+Tab and Ctrl+Shift+Tab from anywhere inside); setting ActivePage from code fires none.
class TPageControl : public TCustomTabControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    const char* ClassName() const override { return "TPageControl"; }

    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    // The page after (or before) `current` in page order, wrapping around; only pages with a
    // shown tab when tabVisibleOnly. nullptr when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool forward, bool tabVisibleOnly) const;
    // Switches as the user does, with OnChanging and OnChange.
    void SelectNextPage(bool forward);
    // The page whose tab is shown at a tab index.
    TTabSheet* PageOfTab(int tabIndex) const;

protected:
    void Change() override;
    bool TabEnabled(int index) const override;
    int TabImageIndex(int index) const override;
    void AlignControls(TControl* control, TRect& rect) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    // The tabs follow the pages: after a page joins, leaves, moves or changes its caption.
    void UpdateTabs();
    void ShowPage(TTabSheet* page, bool moveFocus);

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

} // namespace tavrik
