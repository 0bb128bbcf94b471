/* The runner's scenario reader: a mistake stops it before anything runs,
 * naming the file, the line and what was expected. */
#include "emulator/runner/script/scenario_script.h"

#include "support/emulated_root.h"

#include <gtest/gtest.h>

namespace {

const std::string world = "planet Earth radius 6371000\nvessel GL-01 class Ship pos 7e6 0 0\n";

using namespace std::string_literals;

struct BadCase {
    std::string text;
    const char* message;
};

class BadScenario : public ::testing::TestWithParam<BadCase> {};

void PrintTo(const BadCase& c, std::ostream* out)
{
    *out << c.message;
}

}  // namespace

TEST_P(BadScenario, IsRefusedWithItsLineAndWhatWasExpected)
{
    runner::Script script;
    std::string error;
    EXPECT_FALSE(runner::ParseScript("s.scn", world + GetParam().text, script, error));
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, BadScenario,
    ::testing::Values(
        BadCase{"fly 3\n", "s.scn:3: unknown keyword 'fly' (expected planet, vessel, focus, gravity, plugins, step, run or at)"},
        BadCase{"plugins brimstar orbitersound\n",
                "s.scn:3: unknown plug-in 'orbitersound' (the root holds brimstar)"},
        BadCase{"plugins none brimstar\n", "s.scn:3: nothing may follow 'none'"},
        BadCase{"step fast\n", "s.scn:3: expected a step length in s as a number, found 'fast'"},
        BadCase{"vessel X class Ship pos 1 2\n", "s.scn:3: expected a position x y z in m"},
        BadCase{"vessel GL-01 class Ship pos 0 0 0\n", "s.scn:3: vessel 'GL-01' is defined twice"},
        BadCase{"vessel X pos 1 2 3 colour red\n",
                "s.scn:3: unknown field 'colour' (expected one of: class, pos, vel)"},
        BadCase{"at 5 key W P\n", "s.scn:3: no display named 'W' is open here"},
        BadCase{"at 5 open Weapons on GL-01 as W\nat 4 key W P\n",
                "s.scn:4: time goes backwards: this action comes before the one above it"},
        BadCase{"at 5 open Weapons on GL-01 as W\nat 6 key W F1\n",
                "s.scn:4: unknown key 'F1' (expected a letter, a digit, comma, period or 0x..)"},
        BadCase{"at 5 open Weapons on GL-01 as W\nat 6 key W coma\n",
                "s.scn:4: unknown key 'coma' (did you mean 'comma'?)"},
        BadCase{"at 5 dance\n",
                "s.scn:3: unknown action 'dance' (expected open, key, button, type, cancel, show, close, focus, "
                "delete, save, load or jump)"},
        BadCase{"at 5 type \"50\n", "s.scn:3: a quoted text is not closed"},
        BadCase{"at -1 focus GL-01\n", "s.scn:3: the time must not be negative"},
        BadCase{"at 5 jump\n", "s.scn:3: expected: jump TIME"},
        BadCase{"at 5 jump soon\n", "s.scn:3: expected the time to jump to in s, found 'soon' (not a number)"},
        BadCase{"at 5 jump -3\nat -2 focus GL-01\nat -3 focus GL-01\n",
                "s.scn:5: time goes backwards: this action comes before the one above it"},
        BadCase{"focus Nobody\n", "s.scn: the focus names no vessel: 'Nobody'"},
        BadCase{"vessel GL-02 class Ship vel 1 0 0\n",
                "s.scn:3: vessel 'GL-02' needs a position (pos X Y Z in m, relative to the planet)"}));

// Every number is read whole and must fit its field: none is read as a part
// of it, or as another number.
INSTANTIATE_TEST_SUITE_P(
    NumbersThatDoNotFit, BadScenario,
    ::testing::Values(
        BadCase{"at 1 open Weapons on GL-01 as W size 400abc 400\n",
                "s.scn:3: expected a size of 1 to 65535 pixels each way, found '400abc 400'"},
        BadCase{"at 1 open Weapons on GL-01 as W size 1e9 400\n",
                "s.scn:3: expected a size of 1 to 65535 pixels each way, found '1e9 400'"},
        BadCase{"at 1 open Weapons on GL-01 as W size 400 65536\n",
                "s.scn:3: expected a size of 1 to 65535 pixels each way, found '400 65536'"},
        BadCase{"at 1 open Weapons on GL-01 as W\nat 2 button W 4294967303\n",
                "s.scn:4: expected a button label or an index from 0 to 31, found '4294967303'"},
        BadCase{"at 1 focus GL-01 0\n",
                "s.scn:3: expected which of the vessels of that name, oldest first, from 1, found '0'"},
        BadCase{"at 1 focus GL-01 2nd\n",
                "s.scn:3: expected which of the vessels of that name, oldest first, from 1, found '2nd'"},
        BadCase{"at 1 focus GL-01 1 2\n", "s.scn:3: expected: focus VESSEL [NTH]"},
        BadCase{"at 1 open Weapons on GL-01 as W\nat 2 key W 0x0x19\n",
                "s.scn:4: unknown key '0x0x19' (expected a letter, a digit, comma, period or 0x..)"},
        BadCase{"at 1 open Weapons on GL-01 as W\nat 2 key W \"0x 19\"\n",
                "s.scn:4: unknown key '0x 19' (expected a letter, a digit, comma, period or 0x..)"},
        BadCase{"at 1 open Weapons on GL-01 as W\nat 2 key W 0x100\n",
                "s.scn:4: unknown key '0x100' (expected a letter, a digit, comma, period or 0x..)"},
        BadCase{"step 0x1p-3\n", "s.scn:3: expected a step length in s as a number, found '0x1p-3'"},
        BadCase{"run infinity\n", "s.scn:3: expected a duration in s as a number, found 'infinity'"},
        BadCase{"run 1e400\n", "s.scn:3: expected a duration in s, found '1e400': too large a number"},
        BadCase{"step 1e-320\n",
                "s.scn:3: expected a step length in s, found '1e-320': too small a number (it would be read as 0 "
                "or as a denormal)"},
        BadCase{"vessel X class Ship pos 1e-400 0 0\n",
                "s.scn:3: expected a position x y z in m, found '1e-400': too small a number (it would be read as 0 "
                "or as a denormal)"},
        BadCase{"step .\n", "s.scn:3: expected a step length in s as a number, found '.'"},
        BadCase{"planet Earth radius -1\n", "s.scn:3: the planet's radius must be more than 0 m"}));

// A name is what the host will be given whole: none may hold a control
// character, and an error never echoes one raw.
INSTANTIATE_TEST_SUITE_P(
    ControlCharacters, BadScenario,
    ::testing::Values(
        BadCase{"vessel \"GL-01\0B\" class Ship\n"s,
                "s.scn:3: a control character (\\x00) has no place in a scenario"},
        BadCase{"vessel GL\x1b[2J class Ship\n", "s.scn:3: a control character (\\x1B) has no place in a scenario"},
        BadCase{"vessel \"GL\t02\" class Ship\n", "s.scn:3: a quoted text holds a control character (\\x09)"},
        BadCase{"vessel \"\" class Ship\n", "s.scn:3: a vessel needs a name"}));

TEST(GoodScenario, ReadsTheWorldAndThePilotsActionsInOrder)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("s.scn",
                                    world + "focus GL-01 # the pilot's ship\nstep 0.25\nrun 30\n"
                                            "at 1 open \"Collision Control\" on GL-01 as C size 300 200\n"
                                            "at 2 type \"\"\nat 2 key C comma\n",
                                    script, error))
        << error;
    EXPECT_EQ(script.planet.radius, 6371000);
    ASSERT_EQ(script.vessels.size(), 1u);
    EXPECT_EQ(script.vessels[0].pos.x, 7e6);
    EXPECT_EQ(script.focus, "GL-01");
    EXPECT_EQ(script.step, 0.25);
    EXPECT_EQ(script.duration, 30);
    ASSERT_EQ(script.actions.size(), 3u);
    EXPECT_EQ(script.actions[0].args,
              (std::vector<std::string>{"Collision Control", "on", "GL-01", "as", "C", "size", "300", "200"}));
    EXPECT_EQ(script.actions[1].args, std::vector<std::string>{""});
    EXPECT_EQ(script.actions[2].line, 8);
}

TEST(GoodScenario, NamesTheActivePluginsEveryOneOfTheRootsUnlessItSaysOtherwise)
{
    const struct {
        const char* statement;
        std::vector<std::string> plugins;
    } cases[] = {
        {"", {"plugin\\brimstar!"}},
        {"plugins none\n", {}},
        {"plugins brimstar brimstar\n", {"plugin\\brimstar!"}},
    };
    for (const auto& c : cases) {
        runner::Script script;
        std::string error;
        ASSERT_TRUE(runner::ParseScript("s.scn", world + c.statement, script, error)) << error;
        EXPECT_EQ(script.plugins, c.plugins) << c.statement;
    }
}

TEST(GoodScenario, MayBeginWithAByteOrderMarkAndEndLinesWithCarriageReturns)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("s.scn", "\xEF\xBB\xBFplanet Earth\r\nvessel GL-01 class Ship pos 7e6 0 0\r\nrun 2\r\n", script,
                                    error))
        << error;
    EXPECT_EQ(script.planet.name, "Earth");
    ASSERT_EQ(script.vessels.size(), 1u);
    EXPECT_EQ(script.vessels[0].className, "Ship");
    EXPECT_EQ(script.duration, 2);
}

// A scenario that cannot be read says why, in the words of its file.
TEST(UnreadableScenario, SaysWhy)
{
    testing_support::EmulatedRoot folder;
    const std::pair<std::string, const char*> cases[] = {
        {(folder / "missing.scn").string(), ": cannot read the scenario: no such file"},
        {folder.path().string(), ": cannot read the scenario: it is a folder"}};
    for (const auto& [path, why] : cases) {
        runner::Script script;
        std::string error;
        EXPECT_FALSE(runner::ReadScript(path, script, error));
        EXPECT_EQ(error, path + why);
    }
}
