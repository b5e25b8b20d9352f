#include "ui/TabSheet.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/PageControl.h"

namespace tavrik {

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetVisible(false);
    SetAlign(TAlign::alClient);
}

TTabSheet::~TTabSheet()
{
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::SetParent(TWinControl* parent)
{
    auto* pageControl = dynamic_cast<TPageControl*>(parent);
    if (pageControl_ && pageControl_ != pageControl) {
        TPageControl* old = pageControl_;
        pageControl_ = nullptr;
        old->RemovePage(this);
    }
    TCustomControl::SetParent(parent);
    if (pageControl && pageControl_ != pageControl) {
        pageControl_ = pageControl;
        pageControl->InsertPage(this);
    }
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_) return -1;
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (pageControl_->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::SetPageIndex(int index)
{
    if (pageControl_) pageControl_->MovePage(this, index);
}

int TTabSheet::TabIndex() const
{
    if (!pageControl_ || !tabVisible_) return -1;
    int tab = 0;
    for (int i = 0; i < pageControl_->PageCount(); ++i) {
        TTabSheet* page = pageControl_->Pages(i);
        if (page == this) return tab;
        if (page->TabVisible()) ++tab;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool on)
{
    if (on == tabVisible_) return;
    tabVisible_ = on;
    if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::TextChanged()
{
    TCustomControl::TextChanged();
    if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    if (pageControl_) pageControl_->Invalidate();
}

void TTabSheet::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush().Color = Color();
    c.FillRect(ClientRect());
}

} // namespace tavrik
