#pragma once

namespace tavrik {

// Receives the row progress of a long pixel routine: the maximum is set first, then the
// position after each row (a progress bar of the main window in the program).
class TProgressSink {
public:
    virtual ~TProgressSink() = default;
    virtual void SetMax(int max) = 0;
    virtual void SetPosition(int position) = 0;
};

} // namespace tavrik
