#pragma once

#include "ui/Component.h"
#include "ui/Messages.h"

#include <cstdint>
#include <functional>
#include <list>
#include <memory>

namespace tavrik {

class TControl;
class TWndHookChain;

using TWndMethod = std::function<void(TMessage&)>;
using TWndHookId = uint64_t;

class TWndNext;

// A handler in front of a control's own message handling.
using TWndHook = std::function<void(TMessage& message, const TWndNext& next)>;

struct TWndHookLink {
    TWndHookId id = 0;
    TWndHook hook;
    bool removed = false;
};

// Hands a message on to the link behind the hook that got it: the next hook, and at the end
// the control's own WndProc. Calling it is how a hook passes on what it does not consume.
class TWndNext {
public:
    void operator()(TMessage& message) const;

private:
    friend class TWndHookChain;
    TWndNext(TWndHookChain* chain, std::list<TWndHookLink>::iterator behind) : chain_(chain), behind_(behind) {}
    TWndHookChain* chain_;
    std::list<TWndHookLink>::iterator behind_;
};

// A control's message chain: the hooks, latest first, in front of the control's WndProc.
// Several components take over one control's messages (a skinned frame, a tray icon, a menu's
// keyboard handler) and go away in any order, so hooks are removed by id, also while a message
// passes through them: a removed link stays in place, marked, until no message is on its way
// through the chain, so that a hook removed from inside its own call still hands the message
// on to the links behind it.
class TWndHookChain {
public:
    explicit TWndHookChain(TWndMethod last) : last_(std::move(last)) {}

    TWndHookId Add(TWndHook hook);
    bool Remove(TWndHookId id);
    bool Empty() const;
    // From the front hook through to the end.
    void Dispatch(TMessage& message);

private:
    friend class TWndNext;
    using TLinks = std::list<TWndHookLink>;
    void CallFrom(TLinks::iterator it, TMessage& message);
    void Purge();

    TWndMethod last_;
    TLinks links_;
    TWndHookId nextId_ = 1;
    int depth_ = 0;
};

// A hook that removes itself when it goes out of scope, and forgets its control when that goes
// first.
//
//     hook_ = TWindowHook(form, [this](TMessage& m, const TWndNext& next) {
//         if (!HandleFrameMessage(m)) next(m);
//     });
class TWindowHook {
public:
    TWindowHook() = default;
    TWindowHook(TControl* control, TWndHook hook);
    ~TWindowHook() { Remove(); }
    TWindowHook(TWindowHook&& other) noexcept;
    TWindowHook& operator=(TWindowHook&& other) noexcept;
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;

    void Remove();
    bool Installed() const;

private:
    TComponentRef<TControl> control_;
    TWndHookId id_ = 0;
};

} // namespace tavrik
