/* The plug-ins a scenario leaves active are the ones the runner loads: with
 * none, the module is not loaded for a world without its vessels, and
 * nothing of it runs. */
#include "support/emulated_root.h"
#include "support/loaded_library.h"

#include "emulator/runner/run/script_player.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(Plugins, OnlyTheActiveOnesAreLoaded)
{
    const struct {
        const char* statement;
        bool loaded;
    } cases[] = {{"", true}, {"plugins brimstar\n", true}, {"plugins none\n", false}};
    for (const auto& c : cases) {
        runner::Script script;
        std::string error;
        ASSERT_TRUE(runner::ParseScript(
            "s.scn", std::string("planet Earth\nvessel A class Ship pos 7e6 0 0\nrun 1\n") + c.statement, script,
            error))
            << error;
        testing_support::EmulatedRoot root;
        std::ostringstream out;
        emu::Host host(root.path());
        runner::FlightLog log(host, out);
        host.setObserver(&log);
        EXPECT_TRUE(runner::PlayScript(host, script, log, error)) << error;
        host.setObserver(nullptr);
        EXPECT_EQ(testing_support::IsLoaded(root / "modules/plugin/brimstar!.dll"), c.loaded) << c.statement;
        EXPECT_EQ(out.str().find("loading module plugin\\brimstar!") != std::string::npos, c.loaded) << out.str();
    }
}
