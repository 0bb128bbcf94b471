/* The services' unit tests: an emulated host with its call log on, a planet
 * as body 0, and ships by name, reached as the collision library reaches
 * them, by their interface pointers. */
#ifndef BRIMSTAR_TESTS_COLLISION_SERVICE_FIXTURE_H
#define BRIMSTAR_TESTS_COLLISION_SERVICE_FIXTURE_H

#include "support/emulated_root.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

class ServiceTest : public ::testing::Test {
protected:
    explicit ServiceTest(const emu::Body& body = emu::Body())
    {
        planet = host.world().addBody(body);
        host.calls().enable();
    }

    /* A ship at a position relative to the planet. */
    VESSEL* Ship(const char* name, const VECTOR3& pos = {7e6, 0, 0}, const VECTOR3& vel = {0, 0, 0})
    {
        return oapiGetVesselInterface(host.createVesselAt(name, "Ship", pos, vel));
    }

    emu::VesselRecord& Record(VESSEL* vessel) { return *host.world().vessel(vessel->GetHandle()); }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE planet;
};

#endif
