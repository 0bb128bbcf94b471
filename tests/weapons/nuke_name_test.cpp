/* A bomb reads its settings from its own name; what a name does not give
 * takes a fresh slot's setting. */
#include "support/emulated_root.h"
#include "weapons/nuke.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

struct NameCase {
    const char* name;
    double delay, duration, powerJ, exhaust;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << '"' << c.name << '"';
}

class NukeName : public ::testing::TestWithParam<NameCase> {};

}  // namespace

TEST_P(NukeName, GivesDelayDurationAndPower)
{
    testing_support::EmulatedRoot root{""};
    emu::Host host(root.path());
    VesselStateEx state{};
    state.version = 2;
    OBJHANDLE handle = host.createVessel(GetParam().name, "Ship", state);
    Nuke nuke(handle, 1);

    // Numbers the name gives are taken as given, NaN too.
    auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    EXPECT_PRED2(same, nuke.delay, GetParam().delay);
    EXPECT_PRED2(same, nuke.duration, GetParam().duration);
    EXPECT_DOUBLE_EQ(nuke.power, GetParam().powerJ);
    EXPECT_EQ(nuke.exhaustSize, GetParam().exhaust);
    EXPECT_EQ(nuke.flightTime, 0.0);
    EXPECT_EQ(nuke.blastRadius, 200000.0);
}

INSTANTIATE_TEST_SUITE_P(Names, NukeName,
                         ::testing::Values(NameCase{"Nuke/10.000000/3.000000/50.000000", 10, 3, 2.092e14, 150},
                                           NameCase{"Nuke/10.000000/3.000000/0.000000", 10, 3, 0, 100},
                                           NameCase{"Nuke/-5000.000000/2.500000/1.000000", -5000, 2.5, 4.184e12, 101},
                                           NameCase{"nuke-x", 10, 3, 0, 100},
                                           NameCase{"Nuke/5", 5, 3, 0, 100},
                                           NameCase{"Nuke/nan/inf/1", std::nan(""), HUGE_VAL, 4.184e12, 101}));

TEST(NukeLongName, AName255CharactersLongReachesTheBombWhole)
{
    // The power's last digit is the name's 255th character.
    char name[300];
    int length = std::snprintf(name, sizeof name, "Nuke/%f/%f/%f", 0.0, 5e224, 0.000001);
    ASSERT_EQ(length, 255);
    testing_support::EmulatedRoot root{""};
    emu::Host host(root.path());
    VesselStateEx state{};
    state.version = 2;
    Nuke nuke(host.createVessel(name, "Ship", state), 1);

    EXPECT_EQ(nuke.duration, 5e224);
    EXPECT_DOUBLE_EQ(nuke.power, 0.000001 * 4.184e12);
}
