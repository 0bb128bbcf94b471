/* brimstar-sim: runs the module in the emulated host on a scenario and
 * prints what it did.
 *
 *   brimstar-sim [SCENARIO] [--root DIR] [--quiet] [--log FILE] [--trace FILE] [--plot FILE.svg]
 *                [--report FILE.html]
 *
 * Without a scenario it plays the bundled default one. The root folder is
 * the emulated simulator's; by default the one built beside this program.
 */
#include "observer_fanout.h"
#include "report/recorder.h"
#include "report/report_page.h"
#include "script_player.h"
#include "trace_writer.h"
#include "track_plot.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

namespace fs = std::filesystem;

namespace {

struct Options {
    fs::path root;
    fs::path scenario;
    bool quiet = false;
    fs::path log, trace, plot, report;
};

const char* const usage =
    "usage: brimstar-sim [SCENARIO] [--root DIR] [--quiet] [--log FILE] [--trace FILE] [--plot FILE.svg]\n"
    "                    [--report FILE.html]\n";

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

bool ReadOptions(int argc, char** argv, Options& options, std::string& problem)
{
    options.root = ProgramDirectory() / ".." / "root";
    options.scenario = fs::path(BRIMSTAR_SOURCE_DIR) / "examples" / "01-one-bomb.scn";
    const std::pair<const char*, fs::path*> fileOptions[] = {
        {"--root", &options.root}, {"--log", &options.log}, {"--trace", &options.trace}, {"--plot", &options.plot},
        {"--report", &options.report}};
    bool scenarioGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool matched = false;
        for (const auto& [name, target] : fileOptions)
            if (arg == name) {
                if (++i == argc) {
                    problem = arg + " needs a file name";
                    return false;
                }
                *target = fs::absolute(argv[i]);
                matched = true;
            }
        if (matched)
            continue;
        if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--help") {
            std::cout << usage;
            std::exit(0);
        } else if (!arg.empty() && arg[0] == '-') {
            problem = "unknown option " + arg;
            return false;
        } else if (scenarioGiven) {
            problem = "more than one scenario";
            return false;
        } else {
            options.scenario = fs::absolute(arg);
            scenarioGiven = true;
        }
    }
    return true;
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

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!ReadOptions(argc, argv, options, error)) {
        std::cerr << "brimstar-sim: " << error << '\n' << usage;
        return 2;
    }
    runner::Script script;
    if (!runner::ReadScript(options.scenario.string(), script, error)) {
        std::cerr << "brimstar-sim: " << error << '\n';
        return 1;
    }
    if (!fs::is_directory(options.root / "modules")) {
        std::cerr << "brimstar-sim: " << options.root.string()
                  << " is not an emulated host's root folder (no modules)\n";
        return 1;
    }

    // A report that cannot be written is known before the run, not after it.
    std::ofstream reportFile;
    if (!options.report.empty()) {
        reportFile.open(options.report);
        if (!reportFile) {
            std::cerr << "brimstar-sim: cannot write the report " << options.report.string() << '\n';
            return 1;
        }
    }

    TeeBuffer tee;
    std::ostream out(&tee);
    std::ofstream logFile, traceFile;
    if (!options.quiet)
        tee.add(std::cout);
    if (!options.log.empty()) {
        logFile.open(options.log);
        tee.add(logFile);
    }
    out << "brimstar-sim: " << options.scenario.string() << " in " << fs::canonical(options.root).string()
        << "\n\n";

    emu::Host host(options.root);
    runner::ObserverFanout observers;
    runner::FlightLog log(host, out);
    observers.add(&log);
    std::unique_ptr<runner::TraceWriter> trace;
    if (!options.trace.empty()) {
        traceFile.open(options.trace);
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
    host.setObserver(&observers);

    bool played = runner::PlayScript(host, script, log, error);
    host.setObserver(nullptr);
    host.shutdown();
    out.flush();
    if (!options.plot.empty()) {
        std::ofstream svg(options.plot);
        plot.write(svg, options.scenario.filename().string());
    }
    if (recorder) {
        report::WritePage(reportFile, recorder->finish());
        reportFile.close();
        if (!reportFile) {
            std::cerr << "brimstar-sim: could not write the report " << options.report.string() << '\n';
            return 1;
        }
    }
    if (!played) {
        std::cerr << "brimstar-sim: " << error << '\n';
        return 1;
    }
    if (log.failed()) {
        std::cerr << "brimstar-sim: the run went on, but something it was asked to do failed (see the log)\n";
        return 1;
    }
    return 0;
}
