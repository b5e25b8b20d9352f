#pragma once

#include "skincontrols/SkinPanel.h"

namespace tavrik {

class TImageList;

// A row of tool buttons on a skinned panel ("toolpanel"). Its skinned speed buttons that
// have no glyph of their own show the image ImageIndex of its lists: HotImages while the
// pointer is over them or they are down, DisabledImages while disabled, else Images (a list
// that is not set falls back to Images). ShowCaptions shows or hides their captions.
class TbsSkinToolBar : public TbsSkinPanel {
public:
    explicit TbsSkinToolBar(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinToolBar"; }

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images) { SetList(images_, images); }
    TImageList* HotImages() const { return hotImages_; }
    void SetHotImages(TImageList* images) { SetList(hotImages_, images); }
    TImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TImageList* images) { SetList(disabledImages_, images); }
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool on);

    // The list a button in that state draws from, or nullptr.
    const TImageList* ImagesFor(bool enabled, bool hot) const;

    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetList(TImageList*& list, TImageList* images);
    void RepaintButtons();

    TImageList* images_ = nullptr;
    TImageList* hotImages_ = nullptr;
    TImageList* disabledImages_ = nullptr;
    bool showCaptions_ = false;
};

} // namespace tavrik
