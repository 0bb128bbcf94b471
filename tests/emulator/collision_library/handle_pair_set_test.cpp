/* The set of handle pairs holds what an ordered set holds, through
 * clustered keys, keys that differ only in one half, and resets to smaller
 * and larger counts. */
#include "emulator/collision_library/handle_pair_set.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using collision::HandlePairSet;
using collision::PairKey;

TEST(HandlePairSet, HoldsWhatAnOrderedSetHoldsAcrossResets)
{
    struct Round {
        const char* name;
        std::size_t count;
        std::uintptr_t spread;  // handles are drawn from [1, spread]
    };
    const Round rounds[] = {
        {"many pairs among few handles, so repeats", 3000, 60},
        {"pairs of neighbouring handles", 2000, 1 << 20},
        {"fewer pairs than the round before", 5, 1 << 20},
        {"none", 0, 10},
        {"more pairs again, far apart", 4000, ~std::uintptr_t(0) >> 1},
    };
    std::mt19937_64 random(11);
    HandlePairSet set;
    std::set<PairKey> previous;
    for (const Round& round : rounds) {
        std::uniform_int_distribution<std::uintptr_t> handle(1, round.spread);
        std::set<PairKey> expected;
        set.reset(round.count);
        for (std::size_t k = 0; k < round.count; ++k) {
            PairKey key{handle(random), handle(random)};
            set.insert(key);
            expected.insert(key);
        }
        for (const PairKey& key : expected)
            EXPECT_TRUE(set.contains(key)) << round.name;
        for (const PairKey& key : previous)
            EXPECT_EQ(set.contains(key), expected.count(key) == 1) << round.name << ": the last round's pairs are gone";
        for (int k = 0; k < 200; ++k) {
            PairKey key{handle(random), handle(random)};
            EXPECT_EQ(set.contains(key), expected.count(key) == 1) << round.name;
            PairKey swapped{key.second, key.first};
            EXPECT_EQ(set.contains(swapped), expected.count(swapped) == 1) << round.name << ": the order counts";
        }
        previous = expected;
    }
    HandlePairSet fresh;
    EXPECT_FALSE(fresh.contains({1, 2})) << "a set never reset holds nothing";
}
