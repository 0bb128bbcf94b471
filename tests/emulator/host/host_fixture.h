/* A host with body 0 and plain vessels of class Ship, for the host's own
 * tests; the module is loaded only through tests/support. */
#ifndef BRIMSTAR_TESTS_EMULATOR_HOST_HOST_FIXTURE_H
#define BRIMSTAR_TESTS_EMULATOR_HOST_HOST_FIXTURE_H

#include "support/emulated_root.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

class HostTest : public ::testing::Test {
protected:
    HostTest() { planet = host.world().addBody(emu::Body()); }

    OBJHANDLE Ship(const char* name, const VECTOR3& pos = {0, 0, 0}, const VECTOR3& vel = {0, 0, 0})
    {
        return host.createVesselAt(name, "Ship", pos, vel);
    }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE planet;
};

#endif
