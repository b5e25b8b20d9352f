#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tavrik {

using TListenerId = uint64_t;

// Handlers of one event that several parts of the program add and remove independently, in
// any order, also from inside a call. The latest added is called first: a part that takes
// over for a while (an open menu's keyboard handler) sees the event before the others.
template <class Handler>
class TListenerList {
public:
    TListenerId Add(Handler handler)
    {
        entries_.push_back(std::make_shared<TEntry>(TEntry{nextId_, std::move(handler), false}));
        return nextId_++;
    }

    bool Remove(TListenerId id)
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if ((*it)->id != id) continue;
            (*it)->removed = true; // a call in progress skips it from now on
            entries_.erase(it);
            return true;
        }
        return false;
    }

    bool Empty() const { return entries_.empty(); }

    // Calls call(handler) for each listener, latest first, until one answers true; answers
    // whether one did. Listeners added meanwhile wait for the next round.
    template <class Call>
    bool Each(Call call) const
    {
        std::vector<std::shared_ptr<TEntry>> round(entries_.rbegin(), entries_.rend());
        for (const auto& entry : round)
            if (!entry->removed && call(entry->handler)) return true;
        return false;
    }

private:
    struct TEntry {
        TListenerId id;
        Handler handler;
        bool removed;
    };
    std::vector<std::shared_ptr<TEntry>> entries_;
    TListenerId nextId_ = 1;
};

} // namespace tavrik
