#include "ui/Component.h"

#include "core/Exception.h"
#include "core/Utf8.h"

#include <algorithm>

namespace tavrik {

TComponent::TComponent(TComponent* owner)
{
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    MarkDestroying();
    // Tell the components that asked, then drop their links to us.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& back = other->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Free()
{
    MarkDestroying();
    BeforeDestruction();
    DestroyComponents();
    delete this;
}

void TComponent::MarkDestroying()
{
    state_ |= csDestroying;
    life_.reset(); // guards read "gone" from the first moment of destruction
}

void TComponent::BeforeDestruction() {}

void TComponent::DestroyComponents()
{
    // The last created goes first, so that nothing outlives what it was built on.
    while (!components_.empty()) {
        TComponent* c = components_.back();
        Remove(c);
        c->Free();
    }
}

int TComponent::ComponentIndex() const
{
    if (!owner_) return -1;
    auto& list = owner_->components_;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameTextAscii(c->name_, name)) return c;
    return nullptr;
}

void TComponent::ValidateName(const std::string& name, const TComponent* except) const
{
    TComponent* other = FindComponent(name);
    if (other && other != except) throw Exception("A component named " + name + " already exists");
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_) return;
    if (owner_) owner_->ValidateName(name, this);
    name_ = name;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->owner_ == this) return;
    ValidateName(component->name_, component);
    if (component->owner_) component->owner_->RemoveComponent(component);
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->owner_ != this) return;
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component)
{
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    auto& back = component->freeNotifies_;
    if (std::find(back.begin(), back.end(), this) == back.end()) back.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component) return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
    auto& back = component->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component) RemoveFreeNotification(component);
    // A copy: a component told of a removal may free others.
    std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned) {
        if (std::find(components_.begin(), components_.end(), c) != components_.end())
            c->Notification(component, operation);
    }
}

TComponentGuard TComponent::Guard() const { return TComponentGuard(life_); }

} // namespace tavrik
