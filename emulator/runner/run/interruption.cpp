#include "emulator/runner/run/interruption.h"

#include "emulator/host/files/replacing_file.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace runner {

namespace {

volatile std::sig_atomic_t caught = 0;
volatile std::sig_atomic_t patient = 0;

/* Only what is safe in a signal handler: a flag, write, unlink, _exit. */
void Say(const char* text)
{
#if defined(_WIN32)
    if (_write(2, text, unsigned(std::strlen(text))) < 0)
#else
    if (write(2, text, std::strlen(text)) < 0)
#endif
        return;  // nowhere left to say it
}

extern "C" void Interrupt(int signal)
{
    if (!caught) {
        caught = signal;
        return;
    }
    if (patient) {
        Say("brimstar-sim: writing outputs, please wait\n");
        return;
    }
    emu::ReplacingFile::RemoveTemporaries();
    Say("brimstar-sim: stopped at once; the outputs not yet written are left as they were\n");
    std::_Exit(128 + signal);
}

}  // namespace

void CatchInterruptions(FurtherSignals further)
{
    patient = further == FurtherSignals::wait;
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
#if defined(SIGHUP)
    std::signal(SIGHUP, Interrupt);
#endif
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
#if defined(SIGHUP)
    if (signal == SIGHUP)
        return "SIGHUP";
#endif
    return "signal " + std::to_string(signal);
}

}  // namespace runner
