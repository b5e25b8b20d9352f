#pragma once

namespace tavrik {

// The saved size of a panel that rolls up to its caption. A panel remembers the size it had
// when it rolled, keeps the rolled size while rolled (its parent cannot stretch it back),
// and takes the remembered size again when it unrolls; a second roll while rolled keeps the
// first remembered size.
//
//   state     | roll up                          | unroll                    | bounds change
//   ----------+----------------------------------+---------------------------+------------------------
//   unrolled  | remember size, take rolled size, | nothing                   | any size
//             | hide the visible children        |                           |
//   rolled    | nothing                          | take remembered size,     | the rolled size is kept
//             |                                  | show the hidden children  | along the rolled axis
class TRollState {
public:
    // none: the panel is unrolled (the rolled-up panel of a skinned form stores -1, the
    // roll-up panel 0; both mean "nothing saved").
    explicit TRollState(int none) : none_(none), saved_(none) {}

    bool Rolled() const { return saved_ != none_; }
    int Saved() const { return saved_; }
    // A stored rolled state (a form loaded rolled).
    void SetSaved(int size) { saved_ = size; }

    // The size to take on rolling up from size: rolledSize, and size is remembered; nothing
    // changes when already rolled.
    int RollUp(int size, int rolledSize)
    {
        if (Rolled()) return size;
        saved_ = size;
        return rolledSize;
    }
    // The size to take on unrolling; size itself when not rolled.
    int Unroll(int size)
    {
        if (!Rolled()) return size;
        const int restored = saved_;
        saved_ = none_;
        return restored;
    }

private:
    int none_;
    int saved_;
};

} // namespace tavrik
