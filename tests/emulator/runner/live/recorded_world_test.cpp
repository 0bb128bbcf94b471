/* A flight taken home names the plug-ins it flew with, so that it plays
 * back with the same ones: a plug-in switched off stays off. */
#include "emulator/runner/live/recorded_scenario.h"

#include <gtest/gtest.h>

TEST(RecordedWorld, KeepsThePluginsTheFlightHad)
{
    const char* const statements[] = {"", "plugins none\n", "plugins brimstar\n"};
    for (const char* statement : statements) {
        runner::Script flown;
        std::string error;
        ASSERT_TRUE(runner::ParseScript("s.scn", std::string("vessel A class Ship pos 7e6 0 0\n") + statement, flown,
                                        error))
            << error;
        runner::Script replayed;
        std::string recorded = live::RecordedWorld(flown) + live::RecordedEnd(1);
        ASSERT_TRUE(runner::ParseScript("r.scn", recorded, replayed, error)) << error << "\n" << recorded;
        EXPECT_EQ(replayed.plugins, flown.plugins) << recorded;
    }
}
