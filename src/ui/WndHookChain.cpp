#include "ui/WndHookChain.h"

#include "core/ScopedCount.h"
#include "ui/Control.h"

namespace tavrik {

void TWndNext::operator()(TMessage& message) const { chain_->CallFrom(std::next(behind_), message); }

TWndHookId TWndHookChain::Add(TWndHook hook)
{
    TWndHookId id = nextId_++;
    links_.push_front(TWndHookLink{id, std::move(hook), false});
    return id;
}

bool TWndHookChain::Remove(TWndHookId id)
{
    for (auto it = links_.begin(); it != links_.end(); ++it) {
        if (it->id != id || it->removed) continue;
        if (depth_ > 0) it->removed = true;
        else links_.erase(it);
        return true;
    }
    return false;
}

bool TWndHookChain::Empty() const
{
    for (const TWndHookLink& link : links_)
        if (!link.removed) return false;
    return true;
}

void TWndHookChain::Dispatch(TMessage& message) { CallFrom(links_.begin(), message); }

void TWndHookChain::CallFrom(TLinks::iterator it, TMessage& message)
{
    while (it != links_.end() && it->removed) ++it;
    {
        TScopedCount inside(depth_);
        if (it == links_.end()) {
            if (last_) last_(message);
        } else {
            // A copy: the hook may remove itself, and the link is erased once nothing runs.
            TWndHook hook = it->hook;
            hook(message, TWndNext(this, it));
        }
    }
    if (depth_ == 0) Purge();
}

void TWndHookChain::Purge()
{
    links_.remove_if([](const TWndHookLink& link) { return link.removed; });
}

TWindowHook::TWindowHook(TControl* control, TWndHook hook) : control_(control)
{
    if (control) id_ = control->AddWindowHook(std::move(hook));
}

TWindowHook::TWindowHook(TWindowHook&& other) noexcept : control_(other.control_), id_(other.id_)
{
    other.control_ = TComponentRef<TControl>();
    other.id_ = 0;
}

TWindowHook& TWindowHook::operator=(TWindowHook&& other) noexcept
{
    if (this == &other) return *this;
    Remove();
    control_ = other.control_;
    id_ = other.id_;
    other.control_ = TComponentRef<TControl>();
    other.id_ = 0;
    return *this;
}

void TWindowHook::Remove()
{
    if (TControl* control = control_.Get(); control && id_) control->RemoveWindowHook(id_);
    control_ = TComponentRef<TControl>();
    id_ = 0;
}

bool TWindowHook::Installed() const { return control_.Get() != nullptr && id_ != 0; }

} // namespace tavrik
