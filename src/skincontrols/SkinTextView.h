#pragma once

#include "gfx/SystemColors.h"
#include "skin/DataSkinListControls.h"
#include "skincontrols/SkinBound.h"
#include "skincontrols/SkinScrollBar.h"
#include "ui/Font.h"
#include "wsys/WinApi.h"

namespace tavrik {

// A native item view (Base: TCustomListView or TCustomTreeView) that takes its colours and
// font from a text-view control skin (SkinClass: TbsDataSkinListView or TbsDataSkinTreeView)
// and shows its scroll ranges on skinned scroll bars standing beside it (VScrollBar,
// HScrollBar) instead of its own.
//
// The window has no frame and no scroll bars of its own: the whole window is client area.
// The native view keeps its scroll ranges and positions, which UpdateScrollBars (the
// descendant's) hands to the bars after every size change, paint, key, click and link; a bar
// that moves scrolls the view (VScrolled, HScrolled). The bars are shown and hidden with the
// view; when the view is aligned, its parent lays its children out again whenever a bar comes
// or goes, so that the view gives up or takes back the bar's room.
template <class Base, class SkinClass>
class TbsSkinTextView : public TbsSkinBound<Base> {
public:
    explicit TbsSkinTextView(TComponent* owner) : TbsSkinBound<Base>(owner)
    {
        defaultFont_.SetName("Arial");
        defaultFont_.SetHeight(14);
        defaultFont_.OnChange = [this] {
            if (this->SkinIndex() == -1) this->Font().Assign(defaultFont_);
        };
        this->Font().Assign(defaultFont_);
        this->SetColor(defaultColor_);
    }
    ~TbsSkinTextView() override
    {
        for (TbsSkinScrollBar* bar : {vbar_, hbar_})
            if (bar) bar->RemoveFreeNotification(this);
    }

    // The font while unbound, and while bound with UseSkinFont off.
    TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
    // The background while unbound.
    TColor DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(TColor color)
    {
        defaultColor_ = color;
        if (this->SkinIndex() == -1) this->SetColor(color);
    }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on) { useSkinFont_ = on; }

    TbsSkinScrollBar* VScrollBar() const { return vbar_; }
    void SetVScrollBar(TbsSkinScrollBar* bar) { Link(vbar_, bar, true); }
    TbsSkinScrollBar* HScrollBar() const { return hbar_; }
    void SetHScrollBar(TbsSkinScrollBar* bar) { Link(hbar_, bar, false); }

    // Hands the native ranges to the linked bars; shows and hides them.
    virtual void UpdateScrollBars() = 0;

    void ApplySkin() override
    {
        ApplyColorAndFont();
        UpdateScrollBars();
        // The bars are laid out anew beside the view.
        for (TbsSkinScrollBar* bar : {vbar_, hbar_})
            if (bar && bar->Align() != TAlign::alNone && bar->Parent()) bar->Parent()->Realign();
    }

    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == TOperation::opRemove) {
            if (component == vbar_) vbar_ = nullptr;
            if (component == hbar_) hbar_ = nullptr;
        }
        TbsSkinBound<Base>::Notification(component, operation);
    }

    void WndProc(TMessage& m) override
    {
        switch (m.Msg) {
        case WM_NCCALCSIZE: m.Result = 0; return; // the window rectangle stays the client area
        case WM_NCPAINT: m.Result = 0; return;
        default: break;
        }
        auto alive = this->Guard();
        TbsSkinBound<Base>::WndProc(m);
        if (!alive) return;
        switch (m.Msg) {
        case WM_SIZE:
        case WM_PAINT:
            if (!syncingBars_) UpdateScrollBars();
            break;
        case WM_KEYDOWN:
        case WM_LBUTTONUP: UpdateScrollBars(); break;
        case CM_VISIBLECHANGED:
            for (TbsSkinScrollBar* bar : {vbar_, hbar_})
                if (bar && !this->Visible()) bar->Hide();
            if (this->Visible()) UpdateScrollBars();
            break;
        default: break;
        }
    }

protected:
    virtual void VScrolled() {}
    virtual void HScrolled() {}

    // Whether a synchronisation may run: the window exists and is more than 5 pixels each way.
    bool CanSyncBars() const { return this->HandleAllocated() && this->Width() > 5 && this->Height() > 5; }
    bool SyncingBars() const { return syncingBars_; }

    // Shows or hides a bar; true when its visibility changed.
    bool ShowBar(TbsSkinScrollBar* bar, bool visible)
    {
        if (!bar || bar->Visible() == visible) return false;
        syncingBars_ = true;
        bar->SetVisible(visible);
        syncingBars_ = false;
        return true;
    }
    // After the bars were set: the corner square of the horizontal bar follows the vertical
    // bar, and an aligned view makes room for the bars that came (or takes back what went).
    void FinishBarSync(bool visibilityChanged)
    {
        if (vbar_ && hbar_ && hbar_->Both() != vbar_->Visible()) hbar_->SetBoth(vbar_->Visible());
        if (!visibilityChanged || this->Align() == TAlign::alNone || !this->Parent()) return;
        syncingBars_ = true;
        this->Parent()->Realign();
        syncingBars_ = false;
    }

private:
    void Link(TbsSkinScrollBar*& slot, TbsSkinScrollBar* bar, bool vertical)
    {
        if (slot == bar) return;
        if (slot) slot->RemoveFreeNotification(this);
        slot = bar;
        if (!bar) return;
        bar->FreeNotification(this);
        bar->SetEnabled(true);
        bar->Hide();
        bar->OnChange = [this, vertical](TComponent*) {
            if (vertical) VScrolled();
            else HScrolled();
        };
        UpdateScrollBars();
    }

    // Unbound: DefaultColor and DefaultFont. Bound to a skin of SkinClass: its font (with
    // UseSkinFont), fontcolor and bgcolor. Bound to a skin of another class: nothing changes.
    void ApplyColorAndFont()
    {
        this->ReadSkinObject();
        if (this->SkinIndex() == -1) {
            this->SetColor(defaultColor_);
            this->Font().Assign(defaultFont_);
            return;
        }
        auto* skin = dynamic_cast<const SkinClass*>(this->SkinControl());
        if (!skin) return;
        TFont font = defaultFont_;
        if (useSkinFont_) {
            font.SetName(skin->fontname);
            font.SetHeight(skin->fontheight);
            font.SetStyle(skin->fontstyle);
        }
        font.SetColor(skin->fontcolor);
        this->Font().Assign(font);
        this->SetColor(skin->bgcolor);
    }

    TFont defaultFont_;
    TColor defaultColor_ = clWindow;
    bool useSkinFont_ = true;
    TbsSkinScrollBar* vbar_ = nullptr;
    TbsSkinScrollBar* hbar_ = nullptr;
    bool syncingBars_ = false;
};

} // namespace tavrik
