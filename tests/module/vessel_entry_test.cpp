/* The vessel entry point decides a vessel's class by its name alone. */
#include "rocks/roid.h"
#include "support/emulated_root.h"
#include "weapons/nuke.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <fstream>

DLLCLBK VESSEL* ovcInit(OBJHANDLE hVessel, int flightModel);
DLLCLBK void ovcExit(VESSEL* vessel);

namespace {

struct NameCase {
    const char* name;
    const char* className;
    bool isNuke;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << '"' << c.name << "\" of class " << c.className;
}

class VesselEntry : public ::testing::TestWithParam<NameCase> {
protected:
    // The class without its module: the test plays the host's part itself.
    VesselEntry() { std::ofstream(root.path() / "config/vessels/nuke.cfg") << "ClassName=nuke\n"; }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
};

}  // namespace

TEST_P(VesselEntry, TheNameDecidesBetweenBombAndRock)
{
    const NameCase& c = GetParam();
    VesselStateEx state{};
    state.version = 2;
    OBJHANDLE handle = host.createVessel(c.name, c.className, state);
    ASSERT_NE(handle, nullptr);

    VESSEL* vessel = ovcInit(handle, 1);

    ASSERT_NE(vessel, nullptr);
    EXPECT_EQ(dynamic_cast<Nuke*>(OwnVessel::Find(vessel)) != nullptr, c.isNuke);
    EXPECT_EQ(dynamic_cast<Roid*>(OwnVessel::Find(vessel)) != nullptr, !c.isNuke);
    EXPECT_EQ(vessel->GetHandle(), handle);
    ovcExit(vessel);
}

INSTANTIATE_TEST_SUITE_P(Names, VesselEntry,
                         ::testing::Values(NameCase{"NUKE", "Ship", true}, NameCase{"nUkE-7", "Ship", true},
                                           NameCase{"Nuke/10.000000/3.000000/0.000000", "Ship", true},
                                           NameCase{"Nuk", "Ship", false}, NameCase{"R-4", "Ship", false},
                                           NameCase{"Bomb", "nuke", false}));

TEST(VesselEntryFaults, AStaleHandleANullHandleAndNullAreHarmless)
{
    testing_support::EmulatedRoot root{""};
    emu::Host host(root.path());

    VESSEL* fromNull = ovcInit(nullptr, 1);
    ASSERT_NE(fromNull, nullptr);
    EXPECT_NE(dynamic_cast<Roid*>(OwnVessel::Find(fromNull)), nullptr) << "an empty name makes a rock";
    ovcExit(fromNull);
    ovcExit(nullptr);

    std::string longName(300, 'n');
    longName.replace(0, 4, "NuKe");
    VesselStateEx state{};
    state.version = 2;
    OBJHANDLE handle = host.createVessel(longName.c_str(), "Ship", state);
    VESSEL* fromLong = ovcInit(handle, 1);
    EXPECT_NE(dynamic_cast<Nuke*>(OwnVessel::Find(fromLong)), nullptr);
    ovcExit(fromLong);
}

TEST(VesselExit, DestroysExactlyTheObjectsTheModuleMadeAsTheirOwnClass)
{
    testing_support::EmulatedRoot root{""};
    emu::Host host(root.path());
    VesselStateEx state{};
    state.version = 2;
    OBJHANDLE handle = host.createVessel("R-4", "Ship", state);

    // The host holds a module's object by its VESSEL part, which is not the
    // object's own address once VESSEL2 adds its callbacks in front of it.
    VESSEL* vessel = ovcInit(handle, 1);
    auto* rock = dynamic_cast<Roid*>(OwnVessel::Find(vessel));
    ASSERT_NE(rock, nullptr);
    void* context = rock->CollisionContext();
    ovcExit(vessel);
    EXPECT_EQ(Roid::FromCollisionContext(context), nullptr) << "the rock's own destructor ran";
    EXPECT_EQ(OwnVessel::Find(vessel), nullptr);

    // The host's own bare vessel, made when ovcInit gave none, is the host's
    // to delete: handed back, it is left alone.
    VESSEL bare(handle, 1);
    ovcExit(&bare);
    EXPECT_EQ(bare.GetHandle(), handle);
}
