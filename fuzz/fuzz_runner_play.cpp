/* A runner scenario played with the module loaded, as brimstar-sim plays
 * it: world statements and every action, interleaved with steps. Whatever
 * the input, the run ends within its steps ceiling, an error names the
 * scenario's line, and no output holds a control character.
 *
 * Each input starts from the same small world, restored by
 * loading a host scenario saved at the start. A quick shutdown would end the
 * one host's run for every input after it, so this host hears the request
 * and lets the run go on, as it returns to the library that asked. */
#include "fuzz_module_host.h"

#include "emulator/runner/outputs/observer_fanout.h"
#include "emulator/runner/run/script_player.h"
#include "emulator/runner/outputs/trace_writer.h"
#include "emulator/runner/outputs/track_plot.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace {

/* Enough for every action of a short scenario, and quick to play. */
const std::uint64_t maxSteps = 1000;

bool HoldsControlCharacters(const std::string& text)
{
    for (char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    runner::Script script;
    std::string error;
    if (!runner::ParseScript("fuzz.scn", std::string(reinterpret_cast<const char*>(data), size), script, error))
        return 0;
    emu::Host& host = ModuleHost();
    if (!host.loadScenario(ModuleHostStart(), error))
        abort();
    std::ostringstream log, trace, svg;
    runner::ObserverFanout observers;
    runner::FlightLog flightLog(host, log);
    runner::TraceWriter traceWriter(host, trace);
    runner::TrackPlot plot(host, script.step);
    observers.add(&flightLog);
    observers.add(&traceWriter);
    observers.add(&plot);
    host.setObserver(&observers);
    bool played = runner::PlayScript(host, script, flightLog, error, maxSteps);
    host.setObserver(nullptr);
    plot.write(svg, "fuzz.scn");
    if (!played && error.rfind("fuzz.scn:", 0) != 0)
        abort();
    if (HoldsControlCharacters(log.str()) || HoldsControlCharacters(trace.str()) ||
        HoldsControlCharacters(svg.str()))
        abort();
    return 0;
}
