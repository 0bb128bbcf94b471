/* brimstar-sim: runs the module in the emulated host on a scenario and
 * prints what it did.
 *
 *   brimstar-sim [SCENARIO] [OPTIONS]     (brimstar-sim --help describes them)
 *
 * Without a scenario it plays the bundled default one. The root folder is
 * the emulated simulator's; by default the one built beside this program.
 * Every output is opened before the run starts, so that one that cannot be
 * written stops it before anything runs.
 */
#include "class_check.h"
#if BRIMSTAR_LIVE
#include "live/run_live.h"
#endif
#include "command_line.h"
#include "observer_fanout.h"
#include "printable_text.h"
#include "report/recorder.h"
#include "report/report_page.h"
#include "script_player.h"
#include "trace_writer.h"
#include "track_plot.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path ProgramDirectory()
{
#if defined(_WIN32)
    char self[MAX_PATH] = {};
    bool found = GetModuleFileNameA(nullptr, self, sizeof self) != 0;
    return found ? fs::path(self).parent_path() : fs::current_path();
#else
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
#endif
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
    std::ofstream& file;
};

/* Whether the output can be written, without changing what is there; a
 * file it had to create to find out is created (and said in created). */
bool CanWrite(const Output& output, bool& created, std::string& problem)
{
    std::string cannot = "cannot write the " + std::string(output.what) + " to " + output.path.string();
    std::error_code unknown;
    created = false;
    if (!fs::is_directory(output.path.parent_path(), unknown)) {
        problem = cannot + ": no such folder";
        return false;
    }
    if (fs::is_directory(output.path, unknown)) {
        problem = cannot + ": it is a folder";
        return false;
    }
    created = !fs::exists(output.path, unknown);
    std::ofstream probe(output.path, std::ios::out | std::ios::app);
    if (!probe) {
        problem = cannot;
        return false;
    }
    return true;
}

/* Opens every output, or none: false with why not, leaving the files as
 * they were. */
template <size_t N>
bool OpenOutputs(const Output (&outputs)[N], std::string& problem)
{
    std::vector<fs::path> created;
    bool writable = true;
    for (const Output& output : outputs) {
        bool made = false;
        if (!output.path.empty() && writable)
            writable = CanWrite(output, made, problem);
        if (made)
            created.push_back(output.path);
    }
    if (!writable) {
        std::error_code ignored;
        for (const fs::path& path : created)
            fs::remove(path, ignored);
        return false;
    }
    for (const Output& output : outputs)
        if (!output.path.empty())
            output.file.open(output.path, std::ios::out | std::ios::trunc);
    return true;
}

/* Whether an output was written whole; a disk that fills up is a failure. */
bool Written(const fs::path& path, const char* what, std::ofstream& file)
{
    if (path.empty())
        return true;
    file.close();
    if (!file.fail())
        return true;
    std::cerr << "brimstar-sim: could not write the whole " << what << " to " << runner::Printable(path.string())
              << '\n';
    return false;
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
    if (options.live) {
#if BRIMSTAR_LIVE
        return live::RunLive(options, script);
#else
        std::cerr << "brimstar-sim: this build has no live mode\n";
        return 1;
#endif
    }
    // Every output is tried before any is opened for writing, so that one
    // that cannot be written costs no other file its contents.
    std::ofstream logFile, traceFile, plotFile, reportFile;
    const Output outputs[] = {{options.log, "log", logFile},
                              {options.trace, "trace", traceFile},
                              {options.plot, "plot", plotFile},
                              {options.report, "report", reportFile}};
    if (!OpenOutputs(outputs, error)) {
        std::cerr << "brimstar-sim: " << runner::Printable(error) << " (nothing was run)\n";
        return 1;
    }

    TeeBuffer tee;
    std::ostream out(&tee);
    if (!options.quiet)
        tee.add(std::cout);
    if (!options.log.empty())
        tee.add(logFile);
    out << "brimstar-sim: " << runner::Printable(options.scenario.string()) << " in "
        << runner::Printable(fs::canonical(options.root).string()) << "\n\n";

    emu::Host host(options.root);
    runner::ObserverFanout observers;
    runner::FlightLog log(host, out, !options.quiet || !options.log.empty());
    if (log.read())
        observers.add(&log);
    std::unique_ptr<runner::TraceWriter> trace;
    if (!options.trace.empty()) {
        trace = std::make_unique<runner::TraceWriter>(host, traceFile);
        observers.add(trace.get());
    }
    runner::TrackPlot plot(host, std::max(script.step, script.duration / 2000));
    if (!options.plot.empty())
        observers.add(&plot);
    std::unique_ptr<report::Recorder> recorder;
    if (reportFile.is_open()) {
        recorder = std::make_unique<report::Recorder>(host, script);
        observers.add(recorder.get());
        log.listen(recorder.get());
    }
    // Nobody watching: the host's force path skips its notices altogether.
    if (!observers.empty())
        host.setObserver(&observers);

    bool played = runner::PlayScript(host, script, log, error, options.maxSteps);
    host.setObserver(nullptr);
    host.shutdown();
    out.flush();
    if (!options.plot.empty())
        plot.write(plotFile, options.scenario.filename().string());
    if (recorder)
        report::WritePage(reportFile, recorder->finish());
    bool written = Written(options.log, "log", logFile) & Written(options.trace, "trace", traceFile) &
                   Written(options.plot, "plot", plotFile) & Written(options.report, "report", reportFile);
    if (!played) {
        std::cerr << "brimstar-sim: " << runner::Printable(error) << '\n';
        return 1;
    }
    if (!written)
        return 1;
    if (log.failed()) {
        std::cerr << "brimstar-sim: the run went on, but something it was asked to do failed (see the log)\n";
        return 1;
    }
    return 0;
}
