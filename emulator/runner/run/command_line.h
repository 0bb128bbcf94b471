/* brimstar-sim's command line: the scenario, the root folder, the outputs
 * and the ceiling on steps, with --help describing each and --version. */
#ifndef BRIMSTAR_RUNNER_COMMAND_LINE_H
#define BRIMSTAR_RUNNER_COMMAND_LINE_H

#include <cstdint>
#include <filesystem>
#include <iosfwd>

namespace runner {

struct Options {
    std::filesystem::path root;
    std::filesystem::path scenario;
    bool quiet = false;
    std::filesystem::path log, trace, plot, report;
    std::uint64_t maxSteps = 0;
    bool live = false;
    int port = 0;  // 0: a free one
};

/* What the command line asks for: a run, or an exit with a status after
 * help, the version or a mistake have been printed. */
struct CommandLine {
    Options options;
    bool run = false;
    int exitStatus = 0;
};

/* The defaults: the root folder built beside the program, the bundled
 * scenario. */
struct CommandLineDefaults {
    std::filesystem::path root;
    std::filesystem::path scenario;
    std::filesystem::path scenarioFormat;  // the document that describes a scenario
    const char* version;
};

/* Reads the arguments. Help and the version go to out; a mistake goes to
 * err, with the option it was likely meant to be, and exits with 2. */
CommandLine ReadCommandLine(int argc, const char* const* argv, const CommandLineDefaults& defaults, std::ostream& out,
                            std::ostream& err);

}  // namespace runner

#endif
