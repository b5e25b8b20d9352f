#pragma once

#include "skin/SkinMessages.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinMenuHost.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/WndHookChain.h"
#include "wsys/WinApi.h"

namespace tavrik::testing {

// Stands in for a skinned frame: it owns the form's menu engine and, while a menu is marked
// open, routes the program's key presses to it, as a frame does.
class TMenuHost : public TComponent, public TbsSkinMenuHost {
public:
    explicit TMenuHost(TForm* form) : TComponent(form), engine_(new TbsSkinMenu(this))
    {
        hook_ = TWindowHook(form, [this](TMessage& m, const TWndNext& next) {
            if (m.Msg == SKM_MENUCLOSED) MenusClosed();
            next(m);
        });
    }
    ~TMenuHost() override
    {
        if (keys_ && Application()) Application()->RemoveMessageListener(keys_);
    }
    TbsSkinMenu* SkinMenu() override { return engine_; }
    TbsSkinData* SkinData() const override { return data; }
    TbsSkinData* MenusSkinData() const override { return nullptr; }
    void MarkSkinMenuOpen() override
    {
        ++marked;
        if (keys_) return;
        keys_ = Application()->AddMessageListener([this](MSG& m, bool& handled) {
            if (m.message != WM_KEYDOWN) return;
            engine_->KeyDown(uint16_t(m.wParam));
            if (m.wParam == VK_ESCAPE && engine_->PopupWindowCount() == 0) MenusClosed();
            handled = true;
        });
    }

    TbsSkinData* data = nullptr;
    int marked = 0;
    int closed = 0;

private:
    void MenusClosed()
    {
        ++closed;
        if (keys_) Application()->RemoveMessageListener(keys_);
        keys_ = 0;
    }

    TbsSkinMenu* engine_;
    TWindowHook hook_;
    TListenerId keys_ = 0;
};

} // namespace tavrik::testing
