#include "cli/BatchTool.h"

#include <csignal>
#include <iostream>

namespace {

// The signal that asked the run to stop, 0 while none has.
volatile std::sig_atomic_t stopSignal = 0;

void NoteStopSignal(int signal) { stopSignal = signal; }

// Ctrl+C and SIGTERM end the run between files instead of killing it in the middle of
// writing one; a second one is taken the same way.
void CatchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    CatchStopSignals();
    const int status = tavrik::RunBatchTool(args, std::cout, std::cerr, [] { return stopSignal != 0; });
    if (const int signal = stopSignal) {
        // End by the signal, so that a calling shell or script sees the run was interrupted.
        std::cout.flush();
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return status;
}
