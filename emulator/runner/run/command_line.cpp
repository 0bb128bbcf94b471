/* Parsed by CLI11, which writes the help from the same table the options are
 * read with, so the two cannot drift apart. Extra words are kept rather than
 * refused by the library, so that a mistyped option can be answered with
 * the one it was likely meant to be, and a second scenario said to be one. */
#include "emulator/runner/run/command_line.h"

#include "emulator/runner/text/near_miss.h"
#include "emulator/runner/text/number_text.h"
#include "emulator/runner/text/printable_text.h"
#include "emulator/runner/run/run_length.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace runner {

namespace {

namespace fs = std::filesystem;

const long long mostSteps = 1000000000000000LL;

const char* const description =
    "Runs the brimstar plug-in in an emulated host of the Orbiter space-flight simulator: builds the scenario's "
    "world, carries out the pilot's actions at their times, steps the world, and prints a flight log.";

struct Texts {
    std::string scenario, root, log, trace, plot, report, maxSteps, port;
};

std::string UsageHint()
{
    return "Run with --help for every option.\n";
}

int Mistake(std::ostream& err, const std::string& what)
{
    err << "brimstar-sim: " << Printable(what) << '\n' << UsageHint();
    return 2;
}

/* Every long option the app knows, for suggestions. */
std::vector<std::string> LongNames(const CLI::App& app)
{
    std::vector<std::string> names;
    for (const CLI::Option* option : app.get_options())
        for (const std::string& name : option->get_lnames())
            names.push_back("--" + name);
    return names;
}

/* The words CLI11 did not take: an unknown option or a second scenario. */
std::string ExtraWordProblem(const CLI::App& app, const std::vector<std::string>& extras)
{
    for (const std::string& word : extras) {
        if (word.empty() || word[0] != '-')
            return "more than one scenario ('" + word + "' after the first)";
        std::string option = word.substr(0, word.find('='));
        std::string problem = "unknown option " + option;
        std::string meant = NearMiss(option, LongNames(app));
        return meant.empty() ? problem : problem + " (did you mean " + meant + "?)";
    }
    return "";
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv, const CommandLineDefaults& defaults, std::ostream& out,
                            std::ostream& err)
{
    CommandLine result;
    Options& options = result.options;
    Texts texts;
    CLI::App app(description, "brimstar-sim");
    app.allow_extras();
    app.set_version_flag("--version", std::string("brimstar-sim ") + defaults.version);
    app.footer("A scenario is a text file of statements, one a line: the planet, the vessels, the focus, the step, "
               "how long to run, and the pilot's actions at their times. Its whole format, with an example to "
               "start from: " +
               defaults.scenarioFormat.string() +
               "\n\nFor example: brimstar-sim examples/04-rock-field.scn --report report.html\n"
               "\nExit status: 0 a whole run; 1 a failure; 2 a wrong command line; 3 a run ended by a library's "
               "quick shutdown; 128 and the signal's number, a run interrupted (SIGHUP 129, SIGINT 130, SIGTERM 143); "
               "0 for a live flight ended by any of them.\n");
    app.add_option("SCENARIO", texts.scenario, "The scenario to play")
        ->type_name("FILE")
        ->default_str(defaults.scenario.string());
    app.add_option("--root", texts.root, "The emulated simulator's root folder, holding modules/ and config/vessels/")
        ->type_name("DIR")
        ->default_str(defaults.root.string());
    app.add_flag("--quiet", options.quiet, "Print no flight log on the terminal (errors still go to stderr)");
    app.add_option("--log", texts.log, "Write the flight log into FILE as well")->type_name("FILE");
    app.add_option("--trace", texts.trace, "Write CSV: every vessel's global position and velocity after every step")
        ->type_name("FILE");
    app.add_option("--plot", texts.plot,
                   "Draw the tracks as SVG, relative to the vessel in focus, with detonations and removed rocks")
        ->type_name("FILE.svg");
    app.add_option("--report", texts.report,
                   "Write the flight report: one HTML page, with the flight played back, charts, the displays and "
                   "the events; it opens from disk with no network")
        ->type_name("FILE.html");
    app.add_option("--max-steps", texts.maxSteps,
                   "The most steps a run may take, a whole number from 1 to 10^15; a longer run is refused before "
                   "it starts")
        ->type_name("N")
        ->default_str(std::to_string(defaultMaxSteps));
    app.add_flag("--live", options.live,
                 "Fly the scenario live from a browser page served on 127.0.0.1, until Ctrl-C; the page can take "
                 "the session home as a scenario that replays it");
    // Read as text, then as decimal digits: CLI11 would read 013075 as octal.
    app.add_option("--port", texts.port, "The port of --live's page, from 0 to 65535; 0 for a free one, printed")
        ->type_name("N")
        ->default_str("0");
    // "--" ends the options: the word after it is the scenario, even one
    // that starts with '-'. CLI11 is given only the words before it.
    std::vector<const char*> words(argv, argv + argc);
    auto ending = std::find_if(words.begin() + std::min<ptrdiff_t>(1, argc), words.end(),
                               [](const char* word) { return std::string(word) == "--"; });
    std::vector<std::string> afterOptions(ending == words.end() ? ending : ending + 1, words.end());
    words.erase(ending, words.end());
    try {
        app.parse(int(words.size()), words.data());
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return result;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return result;
    } catch (const CLI::ParseError& error) {
        result.exitStatus = Mistake(err, error.what());
        return result;
    }
    const bool scenarioAfterOptions = !afterOptions.empty() && !app.count("SCENARIO");
    if (scenarioAfterOptions) {
        texts.scenario = afterOptions.front();
        afterOptions.erase(afterOptions.begin());
    }
    if (!afterOptions.empty()) {
        result.exitStatus = Mistake(err, "more than one scenario ('" + afterOptions.front() + "' after the first)");
        return result;
    }
    if (std::string problem = ExtraWordProblem(app, app.remaining()); !problem.empty()) {
        result.exitStatus = Mistake(err, problem);
        return result;
    }
    if (app.count("--port") && !options.live) {
        result.exitStatus = Mistake(err, "--port is --live's");
        return result;
    }
    long long port = 0;
    if (app.count("--port") && !ReadWhole(texts.port, 0, 65535, port)) {
        result.exitStatus = Mistake(err, "--port needs a whole number from 0 to 65535");
        return result;
    }
    options.port = int(port);
    long long steps = std::int64_t(defaultMaxSteps);
    if (app.count("--max-steps") && !ReadWhole(texts.maxSteps, 1, mostSteps, steps)) {
        result.exitStatus = Mistake(err, "--max-steps needs a whole number of steps from 1 to 10^15");
        return result;
    }
    options.maxSteps = std::uint64_t(steps);
    options.scenario = defaults.scenario;
    options.root = defaults.root;
    // An empty name given is a mistake, not a wish for the default or for
    // no output.
    const std::tuple<const char*, const std::string&, fs::path&> paths[] = {
        {"SCENARIO", texts.scenario, options.scenario}, {"--root", texts.root, options.root},
        {"--log", texts.log, options.log},              {"--trace", texts.trace, options.trace},
        {"--plot", texts.plot, options.plot},           {"--report", texts.report, options.report}};
    for (const auto& [name, text, path] : paths) {
        if (!app.count(name) && !(name == std::string("SCENARIO") && scenarioAfterOptions))
            continue;
        if (text.empty()) {
            result.exitStatus = Mistake(err, std::string(name == std::string("SCENARIO") ? "the scenario" : name) +
                                                 " needs a file name, not an empty one");
            return result;
        }
        path = fs::absolute(text);
    }
    result.run = true;
    return result;
}

}  // namespace runner
