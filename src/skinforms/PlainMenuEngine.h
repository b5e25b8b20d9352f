#pragma once

#include "skinforms/FrameMenuEngine.h"
#include "ui/Component.h"
#include "ui/Form.h"

namespace tavrik {

// Shows a frame's menus as the framework's plain popup menus: each popup runs until it closes,
// takes its keys itself, then tells the form (SKM_MENUCLOSED) and runs the chosen command.
// The frame uses it until it is given a skinned engine.
class TbsPlainMenuEngine : public TbsFrameMenuEngine {
public:
    explicit TbsPlainMenuEngine(TForm* form) : form_(form) {}

    void Popup(TMenuItem* root, const TRect& at, int placement) override;
    bool HasOpenPopups() const override { return open_; }
    void CloseAll() override;
    void KeyDown(UINT key) override { (void)key; }

private:
    TComponentRef<TForm> form_;
    bool open_ = false;
};

} // namespace tavrik
