/* The rock field is seeded and the host is deterministic: a scenario with
 * rocks, bombs and collisions gives the same trajectory bit for bit each time
 * it is played, the module unloaded and loaded again in between. */
#include "support/emulated_root.h"

#include "emulator/collision_library/collision_probe.h"
#include "emulator/host/host.h"
#include "support/loaded_library.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

/* Every vessel's position and velocity after every step, as exact hex floats. */
struct Trace : emu::HostObserver {
    explicit Trace(emu::Host& h) : host(h) {}
    void forcesIntegrated() override
    {
        char line[400];
        for (OBJHANDLE handle : host.world().vessels()) {
            const emu::VesselRecord* v = host.world().vessel(handle);
            std::snprintf(line, sizeof line, "%a %s %a %a %a %a %a %a\n", host.world().simt, v->details->name.c_str(), v->pos.x,
                          v->pos.y, v->pos.z, v->vel.x, v->vel.y, v->vel.z);
            text += line;
        }
    }
    void vesselCreated(const emu::VesselRecord& v) override { rocks += *v.className == "roid"; }
    void forceAdded(const emu::VesselRecord&, const VECTOR3&, const emu::VesselRecord*) override { ++forces; }
    emu::Host& host;
    std::string text;
    long forces = 0;
    int rocks = 0;
};

struct Played {
    std::string trace;
    long forces;
    long contacts;
    int rocks;
};

/* A station beside a drifting focus, struck by the rock field, and a ship
 * firing a bomb sequence at them; two minutes at 0.1 s. */
Played Play()
{
    testing_support::EmulatedRoot root;
    std::ofstream(root / "config/vessels/Station.cfg") << "ClassName = Station\nSize = 200\nMass = 1e9\n";
    emu::Host host(root.path());
    Trace trace(host);
    host.setObserver(&trace);
    host.world().addBody(emu::Body());
    EXPECT_NE(host.loadPlugin("plugin\\brimstar!"), nullptr);
    OBJHANDLE focus = host.createVesselAt("GL-01", "Ship", {7e6, 0, 0}, {0, 0, 3});
    host.createVesselAt("Depot", "Station", {7e6, 150, 0}, {0, 0, 3});
    OBJHANDLE shooter = host.createVesselAt("A", "Ship", {7e6 + 3000, 0, 0}, {0, 0, 3});
    int display = host.openMfd("Weapons", shooter, 400, 400);
    for (auto [key, text] : {std::pair{0x19u, "0.01"}, std::pair{0x1Fu, "7"}}) {
        host.mfds().pressKey(display, key);
        host.inputBox().confirm(text);
    }
    host.mfds().pressKey(display, 0x22);
    host.setFocus(focus);  // the field gathers around GL-01, by the depot
    for (int i = 0; i < 1200; ++i)
        host.step(0.1);

    auto probe = reinterpret_cast<CollisionProbeStateFn>(
        testing_support::LoadedExport("modules/collision.dll", "CollisionProbeState"));
    Played run{trace.text, trace.forces, probe ? probe()->totalContacts : -1, trace.rocks};
    host.setObserver(nullptr);
    host.shutdown();
    return run;
}

}  // namespace

TEST(Determinism, TheSameScenarioPlayedTwiceGivesTheSameTrajectoryBitForBit)
{
    Played first = Play();
    Played second = Play();

    EXPECT_GT(first.forces, 0) << "no bomb pushed anything";
    EXPECT_GT(first.contacts, 0) << "no collision";
    EXPECT_GT(first.rocks, 10);
    EXPECT_EQ(first.trace, second.trace);
    EXPECT_EQ(first.contacts, second.contacts);
    EXPECT_EQ(first.forces, second.forces);
    if (const char* path = std::getenv("BRIMSTAR_TRACE_FILE"))
        std::ofstream(path, std::ios::binary) << first.trace;
}
