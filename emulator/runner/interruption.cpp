#include "interruption.h"

#include <csignal>

namespace runner {

namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void Interrupt(int signal)
{
    caught = signal;
    std::signal(signal, SIG_DFL);
}

}  // namespace

void CatchInterruptions()
{
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
#if defined(SIGPIPE)
    // A reader of the standard output that goes away is a lost standard
    // output, a failure the run reports, not a silent end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

int InterruptingSignal()
{
    return caught;
}

std::string SignalName(int signal)
{
    if (signal == SIGINT)
        return "SIGINT";
    if (signal == SIGTERM)
        return "SIGTERM";
    return "signal " + std::to_string(signal);
}

}  // namespace runner
