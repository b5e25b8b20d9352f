#pragma once

#include "ui/CustomControl.h"

namespace tavrik {

class TPageControl;

// One page of a TPageControl: a container that the page control shows in its page area
// while the page is active, with a tab that carries its caption. Created hidden; it joins
// a page control by SetPageControl (or SetParent with a page control).
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    const char* ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    void SetParent(TWinControl* parent) override;
    // The place among the page control's pages (-1 without one).
    int PageIndex() const;
    void SetPageIndex(int index);
    // The place of its tab among the shown tabs, -1 when its tab is hidden.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool on);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

protected:
    void TextChanged() override;
    void EnabledChanged() override;
    void Paint() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};

} // namespace tavrik
