#include "module_test.h"

#include "loaded_library.h"

#include <cmath>
#include <fstream>

namespace testing_support {

ModuleTest::ModuleTest(const std::string& collisionLibrary) : root(collisionLibrary)
{
    host = std::make_unique<emu::Host>(root.path());
    host->calls().enable();
    planet = host->world().addBody(emu::Body());
}

ModuleTest::~ModuleTest()
{
    host.reset();
}

void ModuleTest::TearDown()
{
    if (faultsExpected)
        return;
    for (const std::string& fault : host->faults())
        ADD_FAILURE() << "the host recorded a fault: " << fault;
}

emu::ModuleInstance* ModuleTest::StartModule()
{
    return host->loadPlugin("plugin\\brimstar!");
}

void ModuleTest::StopHost()
{
    host->shutdown();
}

OBJHANDLE ModuleTest::AddShip(const std::string& name, const VECTOR3& pos, const VECTOR3& vel)
{
    return AddVessel(name, "Ship", pos, vel);
}

OBJHANDLE ModuleTest::AddVessel(const std::string& name, const std::string& className, const VECTOR3& pos,
                                const VECTOR3& vel)
{
    return host->createVesselAt(name, className, pos, vel);
}

void ModuleTest::InstallPlainClass(const std::string& className)
{
    std::ofstream(root.path() / "config" / "vessels" / (className + ".cfg")) << "ClassName=" << className << "\n";
}

emu::VesselRecord& ModuleTest::Vessel(OBJHANDLE handle)
{
    emu::VesselRecord* v = host->world().vessel(handle);
    if (!v)
        throw std::runtime_error("no such vessel");
    return *v;
}

emu::VesselRecord* ModuleTest::VesselNamed(const std::string& name)
{
    return host->world().vesselByName(name.c_str());
}

void ModuleTest::Simulate(double seconds, double dt)
{
    long steps = std::lround(seconds / dt);
    for (long i = 0; i < steps; ++i)
        host->step(dt);
}

const CollisionProbe& ModuleTest::Probe()
{
    auto state = reinterpret_cast<CollisionProbeStateFn>(LoadedExport("modules/collision.dll", "CollisionProbeState"));
    if (!state)
        throw std::runtime_error("the collision library is not loaded");
    return *state();
}

}  // namespace testing_support
