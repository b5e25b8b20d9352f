#pragma once

#include "core/Exception.h"

#include <string>

namespace tavrik {

// A namespace request failed: a path or root that does not resolve, a folder that cannot be
// read, a rename that was refused. The message is meant for the user and names the path or
// name involved; Reason() holds the system's explanation when there is one.
class EShellError : public Exception {
public:
    explicit EShellError(const std::string& message, std::string reason = {})
        : Exception(message), reason_(std::move(reason))
    {
    }
    const std::string& Reason() const { return reason_; }

private:
    std::string reason_;
};

} // namespace tavrik
