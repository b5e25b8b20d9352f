#pragma once

#include "skin/SkinData.h"
#include "ui/WinControl.h"

#include <string>

namespace tavrik {

class TBitmap;

// What every skinned control has, windowed (Base = TCustomControl) or graphic (Base =
// TGraphicControl): a binding by name to a control skin of a skin data component.
//
// The binding is looked up again by ReadSkinObject, at every paint and whenever the control
// applies its skin; SkinIndex is -1 (the plain look) without skin data, while the skin data
// holds no skin, or when no control skin bears SkinDataName. A skin change that the form
// relays (SKM_BEFORECHANGE, SKM_CHANGE) detaches the control from the old skin and applies
// the new one. Freeing the skin data clears the reference.
template <class Base>
class TbsSkinBound : public Base {
public:
    explicit TbsSkinBound(TComponent* owner) : Base(owner) { this->SetControlStyle(this->ControlStyle() | csOpaque); }
    ~TbsSkinBound() override
    {
        if (skinData_) skinData_->RemoveFreeNotification(this);
    }

    TbsSkinData* SkinData() const { return skinData_; }
    // Applies the skin at once when the skin data holds one.
    virtual void SetSkinData(TbsSkinData* data)
    {
        if (data == skinData_) return;
        if (skinData_) skinData_->RemoveFreeNotification(this);
        skinData_ = data;
        if (data) data->FreeNotification(this);
        if (data && !data->NoSkinLoaded()) ApplySkin();
    }
    const std::string& SkinDataName() const { return skinDataName_; }
    // Only stores the name: the next paint or ApplySkin binds to it.
    virtual void SetSkinDataName(const std::string& name) { skinDataName_ = name; }
    int SkinIndex() const { return skinIndex_; }
    // The control skin bound to, or nullptr; a descendant checks its class itself.
    TbsDataSkinControl* SkinControl() const
    {
        return skinIndex_ < 0 ? nullptr : skinData_->SkinControls[size_t(skinIndex_)].get();
    }

    virtual void ReadSkinObject()
    {
        skinIndex_ = skinData_ == nullptr || skinData_->NoSkinLoaded() ? -1 : skinData_->IndexOfSkinControl(skinDataName_);
    }
    virtual void DrawDefaultImage(TBitmap& bitmap) { (void)bitmap; }
    virtual void DrawSkinImage(TBitmap& bitmap) { (void)bitmap; }
    virtual void ApplySkin()
    {
        ReadSkinObject();
        this->Invalidate();
    }
    // Drops every reference into the skin, which is about to be freed.
    virtual void DetachSkin() { skinIndex_ = -1; }

    void Notification(TComponent* component, TOperation operation) override
    {
        if (operation == TOperation::opRemove && component == skinData_) {
            skinData_ = nullptr;
            DetachSkin();
        }
        Base::Notification(component, operation);
    }

    void WndProc(TMessage& m) override
    {
        switch (m.Msg) {
        case SKM_BEFORECHANGE:
            if (skinData_ && TbsSkinData::FromMessageParam(m.WParam) == skinData_) DetachSkin();
            break;
        case SKM_CHANGE:
            if (m.WParam == 0 || TbsSkinData::FromMessageParam(m.WParam) == skinData_) ApplySkin();
            break;
        case WM_ERASEBKGND:
            // Every pixel is painted from one off-screen image: nothing blank ever shows.
            m.Result = 1;
            return;
        default: break;
        }
        Base::WndProc(m);
    }

protected:
    int skinIndex_ = -1;

private:
    TbsSkinData* skinData_ = nullptr;
    std::string skinDataName_;
};

} // namespace tavrik
