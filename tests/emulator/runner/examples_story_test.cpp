/* Each example scenario plays in the emulated host; its log holds the key
 * facts of the story it tells. */
#include "support/played_script.h"

#include <gtest/gtest.h>


namespace {

struct Example {
    const char* file;
    std::vector<const char*> facts;  // in the order they appear
};

void PrintTo(const Example& e, std::ostream* out)
{
    *out << e.file;
}

class Examples : public ::testing::TestWithParam<Example> {};

std::string Play(const std::string& example)
{
    runner::Script script;
    std::string error;
    EXPECT_TRUE(runner::ReadScript(std::string(BRIMSTAR_SOURCE_DIR) + "/examples/" + example, script, error))
        << error;
    testing_support::EmulatedRoot root;
    testing_support::Played played = testing_support::PlayWithLog(root, script);
    EXPECT_TRUE(played.played) << played.error;
    return played.log;
}

}  // namespace

TEST_P(Examples, TellTheirStory)
{
    std::string log = Play(GetParam().file);
    size_t at = 0;
    for (const char* fact : GetParam().facts) {
        size_t found = log.find(fact, at);
        ASSERT_NE(found, std::string::npos) << "missing, or out of order: " << fact << "\n" << log;
        at = found;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllOfThem, Examples,
    ::testing::Values(
        Example{"07-quiet-orbit.scn", {"created GL-01 (Ship)", "created R-4 (roid)", "Final state at t = 60 s"}},
        Example{"01-one-bomb.scn",
                {"typed \"50\" into \"Select power (Kt)\": accepted", "|  50.000000",
                 "[     1.00] created Nuke/10.000000/3.000000/50.000000 (nuke)",
                 "[    11.25] Nuke/10.000000/3.000000/50.000000 pushed",
                 "[    11.25] debug: Nuke: pow=1.00 dst=1000.00",
                 "[    14.25] deleted Nuke/10.000000/3.000000/50.000000"}},
        Example{"02-falling-bomb.scn",
                {"|  -100000.000000", "created Nuke/-100000.000000/3.000000/10.000000",
                 "debug: Nuke: A=199889.03 D=99889.03", "D=-", "deleted Nuke/-100000.000000/3.000000/10.000000"}},
        Example{"03-sequence.scn",
                {"created Nuke/10.000000/3.000000/2.000000", "created Nuke/10.000000/3.000000/1.000000",
                 "Nuke/10.000000/3.000000/2.000000 pushed", "key G on WB", "Final state"}},
        Example{"04-rock-field.scn",
                {"created R-4 (roid)", "debug: Hits: 100.000000 %", "contacts: 0 new, 8 in all", "focus on GL-02",
                 "deleted R-", "created R-15 (roid) at (7000074.3, 19962.0"}},
        Example{"05-collision-control.scn",
                {"| Page 1", "| Watched: 2", "| Page 2", "| > GL-02", "debug: collision: selected R-4", "| > R-4",
                 "the run ends here at a library's request, with nothing saved", "Final state at t = 15 s"}},
        Example{"06-save-and-reload.scn",
                {"created Nuke/20.000000/3.000000/5.000000", "saved the host scenario to midflight.scn",
                 "[     8.00] created Nuke/20.000000/3.000000/5.000000 (nuke) at (7000000.0, 0.0, 700.0)",
                 "loaded the host scenario midflight.scn", "[    28.50] debug: Nuke: pow=1.00",
                 "[    31.50] deleted Nuke/20.000000/3.000000/5.000000"}}));
