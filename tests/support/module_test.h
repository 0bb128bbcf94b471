/* The fixture of the stories: an emulated host in a fresh root folder, with
 * its call log on, a planet as body 0, and helpers that read as a pilot's
 * actions. The module is loaded as the host loads it, so every test starts
 * from a freshly loaded module. */
#ifndef BRIMSTAR_TESTS_SUPPORT_MODULE_TEST_H
#define BRIMSTAR_TESTS_SUPPORT_MODULE_TEST_H

#include "emulated_root.h"
#include "emulator/collision_library/collision_probe.h"
#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace testing_support {

class ModuleTest : public ::testing::Test {
protected:
    /* The collision library to install: see EmulatedRoot. */
    explicit ModuleTest(const std::string& collisionLibrary = "collision");
    ~ModuleTest() override;
    /* Fails the test on any fault the host recorded, unless it expects them. */
    void TearDown() override;

    /* Loads the module as a plug-in, as the host does at start-up. */
    emu::ModuleInstance* StartModule();
    /* Shuts the host down: the module is unloaded. */
    void StopHost();

    OBJHANDLE AddShip(const std::string& name, const VECTOR3& pos = {0, 0, 0}, const VECTOR3& vel = {0, 0, 0});
    /* Creates a vessel of a class at a position relative to the planet. */
    OBJHANDLE AddVessel(const std::string& name, const std::string& className, const VECTOR3& pos = {0, 0, 0},
                        const VECTOR3& vel = {0, 0, 0});
    /* Writes a class file with no module, so vessels of the class can be made. */
    void InstallPlainClass(const std::string& className);
    emu::VesselRecord& Vessel(OBJHANDLE handle);
    emu::VesselRecord* VesselNamed(const std::string& name);

    /* Steps the world for that long (to within half a step). */
    void Simulate(double seconds, double dt = 0.1);

    /* What the installed collision library has been handed. */
    const CollisionProbe& Probe();

    emu::CallLog& Calls() { return host->calls(); }

    EmulatedRoot root;
    std::unique_ptr<emu::Host> host;
    OBJHANDLE planet = nullptr;
    bool faultsExpected = false;
};

}  // namespace testing_support

#endif
