#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

enum class TOperation : uint8_t { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
    csLoading = 1,
    csDestroying = 2,
    csDesigning = 4, // never set in the finished program; kept so that ported checks read naturally
};

class TComponentGuard;

// The root of every component: it has an owner that destroys it, owns the components it
// creates, and tells the components that asked (FreeNotification) when it goes away, so that
// they can clear their references to it.
//
// Destroy a component with Free() (or by destroying its owner): Free runs BeforeDestruction
// while the whole object still exists, so that overrides and events (a form's OnDestroy) see
// a complete object, then frees the owned components, then deletes it. A plain delete works
// too, but skips BeforeDestruction of the derived classes.
class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    void Free();
    virtual const char* ClassName() const { return "TComponent"; }

    TComponent* Owner() const { return owner_; }
    // Unique (ignoring ASCII letter case) among the owner's components; throws Exception on a
    // clash. Empty names never clash.
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const { return components_.at(size_t(index)); }
    int ComponentIndex() const;
    TComponent* FindComponent(std::string_view name) const;
    // Moves a component into this one's list, taking it from its previous owner.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    // Asks to be told (Notification with opRemove) when `component` is destroyed; the link
    // works both ways and is dropped when either side goes away.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);
    // Called for components inserted into or removed from the owner tree this component is in,
    // and for the targets of FreeNotification. Overrides clear their references and call the
    // base, which passes the notice on to the owned components.
    virtual void Notification(TComponent* component, TOperation operation);

    unsigned ComponentState() const { return state_; }
    bool Destroying() const { return (state_ & csDestroying) != 0; }

    // Lets code that fires events find out afterwards whether the component survived them.
    TComponentGuard Guard() const;

protected:
    // Runs first in Free(), on the complete object.
    virtual void BeforeDestruction();
    void SetComponentState(unsigned state) { state_ = state; }
    // Destructors of classes that act on their parts while they go call this first, so that
    // the parts see Destroying() even when the component was deleted without Free().
    void MarkDestroying();

private:
    friend class TComponentGuard;
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void ValidateName(const std::string& name, const TComponent* except) const;

    TComponent* owner_ = nullptr;
    std::string name_;
    intptr_t tag_ = 0;
    unsigned state_ = 0;
    std::vector<TComponent*> components_; // in insertion order
    std::vector<TComponent*> freeNotifies_;
    std::shared_ptr<char> life_ = std::make_shared<char>(0);
};

// Tells whether a component still exists, without keeping it alive:
//
//     auto alive = button->Guard();
//     button->Click();          // the handler may free the form and the button with it
//     if (!alive) return;
class TComponentGuard {
public:
    TComponentGuard() = default;
    explicit operator bool() const { return !life_.expired(); }

private:
    friend class TComponent;
    explicit TComponentGuard(std::weak_ptr<char> life) : life_(std::move(life)) {}
    std::weak_ptr<char> life_;
};

// A pointer to a component that reads as nullptr once the component is gone.
template <class T>
class TComponentRef {
public:
    TComponentRef() = default;
    TComponentRef(T* component) : component_(component), guard_(component ? component->Guard() : TComponentGuard()) {}
    T* Get() const { return guard_ ? component_ : nullptr; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    bool operator==(const T* other) const { return Get() == other; }

private:
    T* component_ = nullptr;
    TComponentGuard guard_;
};

// Frees a component that has no owner when its holder goes: std::unique_ptr<T, TComponentDeleter>.
struct TComponentDeleter {
    void operator()(TComponent* component) const
    {
        if (component) component->Free();
    }
};
template <class T>
using TOwnedPtr = std::unique_ptr<T, TComponentDeleter>;

} // namespace tavrik
