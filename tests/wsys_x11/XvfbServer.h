#pragma once

#include <string>
#include <sys/types.h>

namespace tavrik::testing {

// A private X server for one test: Xvfb picks a free display number and reports it when it
// is ready to accept clients; the destructor ends exactly this server.
class TXvfbServer {
public:
    TXvfbServer();
    ~TXvfbServer();
    TXvfbServer(const TXvfbServer&) = delete;
    TXvfbServer& operator=(const TXvfbServer&) = delete;

    bool Running() const { return !display_.empty(); }
    const std::string& Display() const { return display_; } // ":N"
    const std::string& Error() const { return error_; }

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string error_;
};

} // namespace tavrik::testing
