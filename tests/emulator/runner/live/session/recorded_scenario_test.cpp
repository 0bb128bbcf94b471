/* A flight taken home names the plug-ins it flew with, so that it plays
 * back with the same ones: a plug-in switched off stays off. */
#include "emulator/runner/live/session/recorded_scenario.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Every name the runner reads is written so that it reads back as itself,
// in the world and in an action; a name the runner could not read is not
// recordable, and so refused before it is recorded.
TEST(RecordedWorld, WritesEveryNameTheRunnerReadsSoThatItReadsBack)
{
    std::vector<std::string> names{"Ship\"1", "a\\b", "a\\\"b\\", "\\", "two words", "#1", "a#b", "x\"",
                                   "5\xC3\xA9", "class", "on"};
    for (int c = 0x21; c <= 0xFF; ++c)
        if (c != 0x7F)
            for (const std::string& around : {std::string("A"), std::string("A B")})
                if (c != '"' || around == "A")  // a word with both is one the runner cannot read
                    names.push_back(around + char(c) + around);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(live::Recordable(name));
        runner::Script flown;
        flown.planet.name = name;
        flown.vessels.push_back({name, name, {7e6, 0, 0}, {0, 0, 0}, 0});
        flown.focus = name;
        const std::string recorded =
            live::RecordedWorld(flown) + live::RecordedAction({0.5, 0, "focus", {name}}) + live::RecordedEnd(1);
        runner::Script replayed;
        std::string error;
        ASSERT_TRUE(runner::ParseScript("r.scn", recorded, replayed, error)) << error << "\n" << recorded;
        EXPECT_EQ(replayed.planet.name, name);
        ASSERT_EQ(replayed.vessels.size(), 1u);
        EXPECT_EQ(replayed.vessels[0].name, name);
        EXPECT_EQ(replayed.vessels[0].className, name);
        EXPECT_EQ(replayed.focus, name);
        ASSERT_EQ(replayed.actions.size(), 1u);
        EXPECT_EQ(replayed.actions[0].args, std::vector<std::string>{name});
    }
    for (const char* unreadable : {"say \"hi\"", "\"x", "a\"#", "a\tb", "a\nb", "\x7F"})
        EXPECT_FALSE(live::Recordable(unreadable)) << unreadable;
}
