#pragma once

#include "skinforms/ActiveSkinObject.h"
#include "ui/Component.h"
#include "ui/MenuItem.h"

namespace tavrik {

class TbsDataSkinAnimate;

// A strip of equal frames side by side in the picture, shown one after another on the frame's
// animation timer. As a button (buttonstyle) it plays forward while the pointer is over it,
// stopping at the last frame unless it cycles, and back to the first when the pointer leaves;
// a release over it runs its command.
class TbsSkinAnimateObject : public TbsActiveSkinObject {
public:
    TbsSkinAnimateObject(TbsRevideruDadoZiri* parent, const TbsDataSkinAnimate* data, const TbsSkinPictureSet* pictures);

    void Draw(TCanvas& canvas, bool repaint) override;
    void DblClick() override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    // One 25 ms tick: the next frame once timerinterval has passed since the last one.
    void StepAnimation();
    void SetFrame(int frame);

    int countframes = 1;
    bool cycle = false;
    bool buttonstyle = false;
    int timerinterval = 25;
    SkinCommand command = SkinCommand::cmDefault;

    int CurrentFrame = 1;
    int Elapsed = 25;
    bool Forward = true;
    TComponentRef<TMenuItem> PopupItem;
    int PopupPlacement = 0;

private:
    void ExecuteCommand();
};

// The frame's animation timer ticks every 25 ms.
constexpr int kAnimationTick = 25;

} // namespace tavrik
