/* brimstar-sim's command line: help enough to start from, a mistake answered
 * with what was likely meant, and nothing given read as something else. */
#include "emulator/runner/run/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    runner::CommandLine line;
    std::string out, err;
};

Outcome Read(std::vector<const char*> args)
{
    args.insert(args.begin(), "brimstar-sim");
    const runner::CommandLineDefaults defaults{"/built/root", "/source/examples/01-one-bomb.scn",
                                              "/source/docs/scenario-format.md", "9.9"};
    std::ostringstream out, err;
    Outcome outcome{runner::ReadCommandLine(int(args.size()), args.data(), defaults, out, err), "", ""};
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

struct MistakeCase {
    std::vector<const char*> args;
    const char* message;
};

class CommandLineMistake : public ::testing::TestWithParam<MistakeCase> {};

void PrintTo(const MistakeCase& c, std::ostream* out)
{
    *out << c.message;
}

}  // namespace

TEST(CommandLineHelp, DescribesEveryOptionWithItsDefaultAndPointsToTheScenarioFormat)
{
    for (const char* ask : {"--help", "-h"}) {
        Outcome outcome = Read({"a.scn", ask});
        EXPECT_FALSE(outcome.line.run);
        EXPECT_EQ(outcome.line.exitStatus, 0);
        EXPECT_EQ(outcome.err, "");
        for (const char* text : {"SCENARIO", "--root DIR", "--quiet", "--log FILE", "--trace FILE", "--plot FILE.svg",
                                 "--report FILE.html", "--max-steps N", "--version", "-h,--help", "/built/root",
                                 "/source/examples/01-one-bomb.scn", "10000000", "/source/docs/scenario-format.md"})
            EXPECT_NE(outcome.out.find(text), std::string::npos) << ask << " lacks " << text << ":\n" << outcome.out;
    }
}

TEST(CommandLineVersion, IsPrintedAndNothingRuns)
{
    Outcome outcome = Read({"--version"});
    EXPECT_FALSE(outcome.line.run);
    EXPECT_EQ(outcome.line.exitStatus, 0);
    EXPECT_EQ(outcome.out, "brimstar-sim 9.9\n");
}

TEST_P(CommandLineMistake, StopsWithWhyAndWhatWasLikelyMeant)
{
    Outcome outcome = Read(GetParam().args);
    EXPECT_FALSE(outcome.line.run);
    EXPECT_EQ(outcome.line.exitStatus, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err,
              std::string("brimstar-sim: ") + GetParam().message + "\nRun with --help for every option.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineMistake,
    ::testing::Values(
        MistakeCase{{"a.scn", "--reprot", "r.html"}, "unknown option --reprot (did you mean --report?)"},
        MistakeCase{{"--qiuet"}, "unknown option --qiuet (did you mean --quiet?)"},
        MistakeCase{{"--max-step=5"}, "unknown option --max-step (did you mean --max-steps?)"},
        MistakeCase{{"--colour", "red"}, "unknown option --colour"},
        MistakeCase{{"-x"}, "unknown option -x"},
        MistakeCase{{"--\x1b[2J"}, "unknown option --\\x1B[2J"},
        MistakeCase{{"a.scn", "b.scn"}, "more than one scenario ('b.scn' after the first)"},
        MistakeCase{{"a.scn", "--log", ""}, "--log needs a file name, not an empty one"},
        MistakeCase{{""}, "the scenario needs a file name, not an empty one"},
        MistakeCase{{"a.scn", "--max-steps", "1e9"}, "--max-steps needs a whole number of steps from 1 to 10^15"},
        MistakeCase{{"a.scn", "--max-steps", "0"}, "--max-steps needs a whole number of steps from 1 to 10^15"},
        MistakeCase{{"a.scn", "--live", "--port", "65536"}, "--port needs a whole number from 0 to 65535"},
        MistakeCase{{"a.scn", "--live", "--port", "0x50"}, "--port needs a whole number from 0 to 65535"},
        MistakeCase{{"a.scn", "--live", "--port", "-1"}, "--port needs a whole number from 0 to 65535"},
        MistakeCase{{"a.scn", "--", "-b.scn"}, "more than one scenario ('-b.scn' after the first)"},
        MistakeCase{{"--", "a.scn", "--live"}, "more than one scenario ('--live' after the first)"}));

TEST(CommandLinePort, IsReadInDecimalWithLeadingZeros)
{
    const std::pair<const char*, int> ports[] = {{"013075", 13075}, {"08080", 8080}, {"0", 0}, {"65535", 65535}};
    for (const auto& [text, port] : ports) {
        Outcome outcome = Read({"a.scn", "--live", "--port", text});
        ASSERT_TRUE(outcome.line.run) << text << ": " << outcome.err;
        EXPECT_EQ(outcome.line.options.port, port) << text;
    }
}

TEST(CommandLineOptionsEnd, AtTwoDashesAndTheNextWordIsTheScenarioWhateverItLooksLike)
{
    for (const char* name : {"-dash.scn", "--live", "--"}) {
        Outcome outcome = Read({"--quiet", "--", name});
        ASSERT_TRUE(outcome.line.run) << name << ": " << outcome.err;
        EXPECT_EQ(outcome.line.options.scenario, fs::absolute(name));
        EXPECT_FALSE(outcome.line.options.live);
        EXPECT_TRUE(outcome.line.options.quiet);
    }
}

TEST(CommandLineRun, TakesEveryOptionAsGivenAndDefaultsTheRest)
{
    Outcome outcome = Read({"--quiet", "a.scn", "--log", "run.log", "--report=r.html", "--max-steps", "5"});
    ASSERT_TRUE(outcome.line.run) << outcome.err;
    const runner::Options& options = outcome.line.options;
    EXPECT_EQ(options.scenario, fs::absolute("a.scn"));
    EXPECT_EQ(options.root, fs::path("/built/root"));
    EXPECT_TRUE(options.quiet);
    EXPECT_EQ(options.log, fs::absolute("run.log"));
    EXPECT_EQ(options.report, fs::absolute("r.html"));
    EXPECT_EQ(options.trace, fs::path());
    EXPECT_EQ(options.plot, fs::path());
    EXPECT_EQ(options.maxSteps, 5u);

    Outcome bare = Read({});
    ASSERT_TRUE(bare.line.run);
    EXPECT_EQ(bare.line.options.scenario, fs::path("/source/examples/01-one-bomb.scn"));
    EXPECT_EQ(bare.line.options.maxSteps, 10000000u);
    EXPECT_FALSE(bare.line.options.quiet);
}
