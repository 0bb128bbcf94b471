/* A mistyped word is answered with the name it was most likely meant to be,
 * and a word like none of them with nothing. */
#include "emulator/runner/text/near_miss.h"

#include <gtest/gtest.h>

TEST(NearMiss, FindsTheClosestNameWithinTwoEditsAndNoneFartherAway)
{
    const std::vector<std::string> names{"--report", "--root", "--trace", "--max-steps", "Station", "Ship"};
    const std::pair<const char*, const char*> cases[] = {
        {"--reprot", "--report"},   // neighbours swapped
        {"--rport", "--report"},    // a letter dropped
        {"--roots", "--root"},      // a letter added
        {"--tracer", "--trace"},
        {"--max_steps", "--max-steps"},
        {"Statoin", "Station"},
        {"Shop", "Ship"},
        {"Sh", ""},                 // one edit, but half the word
        {"--colour", ""},
        {"", ""},
        {"--report-of-the-whole-day", ""}};
    for (const auto& [word, meant] : cases)
        EXPECT_EQ(runner::NearMiss(word, names), meant) << word;
}
