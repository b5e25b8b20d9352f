#pragma once

#include "core/Exception.h"

namespace tavrik {

// The silent exception: it ends a command like any other, but the application's default
// handler shows nothing for it.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

[[noreturn]] inline void Abort() { throw EAbort(); }

} // namespace tavrik
