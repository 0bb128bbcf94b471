/* A run always ends: a step that cannot move the clock, a clock driven to
 * infinity and a run longer than the steps ceiling are refused before
 * anything runs, naming the line and the way out. */
#include "emulator/runner/run/run_length.h"

#include <gtest/gtest.h>

namespace {

const std::string world = "planet Earth\nvessel GL-01 class Ship pos 7e6 0 0\n";

struct LengthCase {
    const char* text;
    const char* message;  // "" for a run that may go
};

void PrintTo(const LengthCase& c, std::ostream* out)
{
    *out << c.text;
}

class RunLength : public ::testing::TestWithParam<LengthCase> {};

}  // namespace

TEST_P(RunLength, IsRefusedUpFrontWhenItWouldNotEnd)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("s.scn", world + GetParam().text, script, error)) << error;
    EXPECT_EQ(runner::CheckRunLength(script, 1000000, error), *GetParam().message == '\0');
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunLength,
    ::testing::Values(
        LengthCase{"run 60\n", ""},
        LengthCase{"step 1e-300\nrun 0\n", ""},
        LengthCase{"run 100000\n", ""},
        LengthCase{"run 1e300\n",
                   "s.scn:3: a step of 0.1 s cannot move the clock at 1e+300 s (the time plus the step rounds back "
                   "to the time)"},
        LengthCase{"step 1e-10\nrun 1e7\n",
                   "s.scn:3: a step of 1e-10 s cannot move the clock at 1e+07 s (the time plus the step rounds back "
                   "to the time)"},
        LengthCase{"step 1e308\nrun 1.7e308\n",
                   "s.scn:3: a step of 1e+308 s would drive the clock past 1.7e+308 s to infinity"},
        LengthCase{"run 1e6\n",
                   "s.scn:3: reaching 1e+06 s from 0 s takes 1e+07 steps of 0.1 s, more than the 1000000 allowed "
                   "(--max-steps N allows more)"},
        LengthCase{"step 1e-9\nrun 1\n",
                   "s.scn:4: reaching 1 s from 0 s takes 1e+09 steps of 1e-09 s, more than the 1000000 allowed "
                   "(--max-steps N allows more)"},
        LengthCase{"run 10\nat 2e5 focus GL-01\n",
                   "s.scn:4: reaching 200000 s from 0 s takes 2e+06 steps of 0.1 s, more than the 1000000 allowed "
                   "(--max-steps N allows more)"}));
