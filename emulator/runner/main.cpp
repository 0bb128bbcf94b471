/* brimstar-sim: runs the module in the emulated host on a scenario and
 * prints what it did.
 *
 *   brimstar-sim [SCENARIO] [OPTIONS]     (brimstar-sim --help describes them)
 *
 * Without a scenario it plays the bundled default one. The root folder is
 * the emulated simulator's; by default the one built beside this program.
 * Every output is opened before the run starts, so that one that cannot be
 * written, or one that would overwrite an input, another output or the
 * program's own files, stops it before anything runs. Each is written
 * beside its target and takes its place only when whole. A live flight
 * takes its port first, and one that cannot start (its port taken, its
 * world not built) leaves every output as it was.
 */
#include "emulator/runner/live/session/log_lines.h"
#include "emulator/runner/outputs/observer_fanout.h"
#include "emulator/runner/outputs/run_files.h"
#include "emulator/runner/outputs/trace_writer.h"
#include "emulator/runner/outputs/track_plot.h"
#include "emulator/runner/report/recorder.h"
#include "emulator/runner/report/report_page.h"
#include "emulator/runner/run/command_line.h"
#include "emulator/runner/run/interruption.h"
#include "emulator/runner/run/script_player.h"
#include "emulator/runner/script/class_check.h"
#include "emulator/runner/text/printable_text.h"
#if BRIMSTAR_LIVE
#include "emulator/runner/live/run_live.h"
#endif

#include "emulator/host/files/replacing_file.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path ProgramPath()
{
#if defined(_WIN32)
    char self[MAX_PATH] = {};
    bool found = GetModuleFileNameA(nullptr, self, sizeof self) != 0;
    return found ? fs::path(self) : fs::path();
#else
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self;
#endif
}

fs::path ProgramDirectory()
{
    fs::path self = ProgramPath();
    return self.empty() ? fs::current_path() : self.parent_path();
}

/* Writes to every stream it is given. */
class TeeBuffer : public std::streambuf {
public:
    void add(std::ostream& out) { outs_.push_back(&out); }

protected:
    int overflow(int c) override
    {
        for (std::ostream* out : outs_)
            out->put(char(c));
        return c;
    }

private:
    std::vector<std::ostream*> outs_;
};

/* An output the user asked for; an empty path asks for none. */
struct Output {
    const fs::path& path;
    const char* what;
    emu::ReplacingFile& file;
};

/* Opens every output, or none: false with why not, leaving every file as
 * it was. Each is written beside its target and takes its place only when
 * whole. */
template <size_t N>
bool OpenOutputs(const Output (&outputs)[N], std::string& problem)
{
    for (const Output& output : outputs) {
        std::string why;
        if (!output.path.empty() && !output.file.open(output.path, why)) {
            problem = "cannot write the " + std::string(output.what) + " to " + output.path.string() + ": " + why;
            return false;
        }
    }
    return true;
}

/* Whether an output was written whole; a disk that fills up is a failure,
 * and leaves the file that was there. */
bool Written(const Output& output)
{
    std::string why;
    if (!output.file.isOpen() || output.file.commit(why))
        return true;
    std::cerr << "brimstar-sim: could not write the whole " << output.what << " to "
              << runner::Printable(output.path.string()) << ": " << why << " (the file there is as it was)\n";
    return false;
}

/* Every file the run reads and writes, and the program's own. Saves and
 * loads are named relative to the root folder, the host's working folder. */
runner::RunFiles FilesOfRun(const runner::Options& options, const runner::Script& script)
{
    runner::RunFiles files;
    files.inputs.push_back({"the scenario", options.scenario});
    const std::pair<const char*, const fs::path*> outputs[] = {
        {"the log", &options.log}, {"the trace", &options.trace}, {"the plot", &options.plot},
        {"the report", &options.report}};
    for (const auto& [what, path] : outputs)
        if (!path->empty())
            files.outputs.push_back({what, *path});
    for (const runner::Action& action : script.actions) {
        std::string what = "the " + action.verb + " at line " + std::to_string(action.line);
        if (action.verb == "save")
            files.saves.push_back({what, options.root / action.args[0]});
        else if (action.verb == "load")
            files.loads.push_back({what, options.root / action.args[0]});
    }
    if (fs::path self = ProgramPath(); !self.empty())
        files.own.push_back({"the program", self});
    for (const char* folder : {"modules", "config", "meshes"})
        files.own.push_back({"the root's " + std::string(folder) + " folder", options.root / folder});
    return files;
}

const double liveReportedFlight = 3600.0;  // s

/* The exit status says how the run ended: 0 whole, 1 a failure, 3 ended by
 * a library's quick shutdown, 128 and the signal's number interrupted. A
 * live flight ends only when interrupted: stopped so, it is whole. */
int ExitStatus(const runner::RunEnding& ending, bool stoppedAsAsked, bool nothingElseFailed)
{
    if (!nothingElseFailed)
        return 1;
    if (stoppedAsAsked)
        return 0;
    switch (ending.kind) {
    case runner::RunEnding::Kind::completed: return 0;
    case runner::RunEnding::Kind::failed: return 1;
    case runner::RunEnding::Kind::halted: return 3;
    case runner::RunEnding::Kind::interrupted: return 128 + runner::InterruptingSignal();
    case runner::RunEnding::Kind::endedByPilot: return 0;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const runner::CommandLineDefaults defaults{(ProgramDirectory() / ".." / "root").lexically_normal(),
                                              fs::path(BRIMSTAR_SOURCE_DIR) / "examples" / "01-one-bomb.scn",
                                              fs::path(BRIMSTAR_SOURCE_DIR) / "docs" / "scenario-format.md",
                                              BRIMSTAR_VERSION};
    runner::CommandLine commandLine = runner::ReadCommandLine(argc, argv, defaults, std::cout, std::cerr);
    if (!commandLine.run)
        return commandLine.exitStatus;
    const runner::Options& options = commandLine.options;
    std::string error;
    runner::Script script;
    if (!runner::ReadScript(options.scenario.string(), script, error) ||
        !runner::CheckRunLength(script, options.maxSteps, error)) {
        std::cerr << "brimstar-sim: " << runner::Printable(error) << '\n';
        return 1;
    }
    if (!fs::is_directory(options.root / "modules")) {
        std::cerr << "brimstar-sim: " << runner::Printable(options.root.string())
                  << " is not an emulated host's root folder (no modules)\n";
        return 1;
    }
    if (!runner::CheckClasses(script, options.root, error)) {
        std::cerr << "brimstar-sim: " << runner::Printable(error) << '\n';
        return 1;
    }
    runner::RunFiles files = FilesOfRun(options, script);
    if (std::string problem = runner::OverwriteProblem(files); !problem.empty()) {
        std::cerr << "brimstar-sim: " << problem << ": refused, so that nothing is overwritten (nothing was run)\n";
        return 1;
    }
#if BRIMSTAR_LIVE
    std::unique_ptr<live::LiveServer> server;
    if (options.live && !(server = live::ListenOn(options.port, error))) {
        std::cerr << "brimstar-sim: " << error << " (nothing was run)\n";
        return 1;
    }
#else
    if (options.live) {
        std::cerr << "brimstar-sim: this build has no live mode\n";
        return 1;
    }
#endif
    emu::ReplacingFile logFile, traceFile, plotFile, reportFile;
    const Output outputs[] = {{options.log, "log", logFile},
                              {options.trace, "trace", traceFile},
                              {options.plot, "plot", plotFile},
                              {options.report, "report", reportFile}};
    if (!OpenOutputs(outputs, error)) {
        std::cerr << "brimstar-sim: " << runner::Printable(error) << " (nothing was run)\n";
        return 1;
    }
    runner::CatchInterruptions(options.live ? runner::FurtherSignals::wait : runner::FurtherSignals::endAtOnce);

    TeeBuffer tee;
    std::ostream out(&tee);
    if (!options.quiet)
        tee.add(std::cout);
    if (logFile.isOpen())
        tee.add(logFile.stream());
    // The page's log: the last lines, as the terminal has them.
    live::LogLines pageLines(nullptr);
    std::ostream pageLog(&pageLines);
    if (options.live)
        tee.add(pageLog);
    out << "brimstar-sim: " << runner::Printable(options.scenario.string()) << " in "
        << runner::Printable(fs::canonical(options.root).string()) << "\n\n";

    emu::Host host(options.root);
    runner::ObserverFanout observers;
    runner::FlightLog log(host, out, !options.quiet || logFile.isOpen() || options.live);
    if (log.read())
        observers.add(&log);
    std::unique_ptr<runner::TraceWriter> trace;
    if (traceFile.isOpen()) {
        trace = std::make_unique<runner::TraceWriter>(host, traceFile.stream());
        observers.add(trace.get());
    }
    runner::TrackPlot plot(host, std::max(script.step, runner::RunEnd(script) / 2000));
    if (plotFile.isOpen())
        observers.add(&plot);
    // A live flight's length is not known: its report's tracks are thinned
    // for an hour, or the scenario's length if longer.
    runner::Script reported = script;
    if (options.live)
        reported.duration = std::max(script.duration, liveReportedFlight);
    std::unique_ptr<report::Recorder> recorder;
    if (reportFile.isOpen() || options.live) {
        recorder = std::make_unique<report::Recorder>(host, reported);
        observers.add(recorder.get());
        log.listen(recorder.get());
    }
    // Nobody watching: the host's force path skips its notices altogether.
    if (!observers.empty())
        host.setObserver(&observers);

#if BRIMSTAR_LIVE
    bool played = options.live ? live::FlyLive(host, script, log, pageLines, *recorder, files, *server, error)
                               : runner::PlayScript(host, script, log, error, options.maxSteps);
#else
    bool played = runner::PlayScript(host, script, log, error, options.maxSteps);
#endif
    const runner::RunEnding& ending = log.ending();
    const bool stoppedAsAsked = options.live && (ending.kind == runner::RunEnding::Kind::interrupted ||
                                                 ending.kind == runner::RunEnding::Kind::endedByPilot);
    host.setObserver(nullptr);
    host.shutdown();
    out.flush();
    if (trace)
        trace->finish(ending);
    if (plotFile.isOpen())
        plot.write(plotFile.stream(), options.scenario.filename().string(),
                   ending.early() ? "the run " + ending.text() : "");
    if (reportFile.isOpen())
        report::WritePage(reportFile.stream(), recorder->finish());
    // A flight that never started has nothing to replace the outputs with.
    const bool started = played || !options.live;
    bool written = true;
    for (const Output& output : outputs)
        written = (!started || Written(output)) && written;
    if (!options.quiet && !std::cout.flush()) {
        std::cerr << "brimstar-sim: the flight log could not be written whole to the standard output\n";
        written = false;
    }
    if (!played)
        std::cerr << "brimstar-sim: " << runner::Printable(error) << '\n';
    else if (ending.early() && !stoppedAsAsked)
        std::cerr << "brimstar-sim: the run " << ending.text() << '\n';
    if (log.failed())
        std::cerr << "brimstar-sim: the run went on, but something it was asked to do failed (see the log)\n";
    return ExitStatus(ending, stoppedAsAsked, written && !log.failed());
}
