/* Everything the emulated host knows of one vessel. Positions, velocities
 * and forces are global; `rot` turns the vessel's own axes into global ones. */
#ifndef BRIMSTAR_EMULATOR_HOST_VESSEL_RECORD_H
#define BRIMSTAR_EMULATOR_HOST_VESSEL_RECORD_H

#include "VesselAPI.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace emu {

struct ModuleInstance;

struct Propellant {
    double maxMass;
    double mass;
    double efficiency;
};

struct Thruster {
    VECTOR3 pos;
    VECTOR3 dir;
    double maxThrust;
    int propellant;  // index, or -1
    double isp;
    double level;
};

struct ThrusterGroup {
    std::vector<int> thrusters;
    THGROUP_TYPE type;
    double level;
};

struct Exhaust {
    int thruster;
    double length;
    double width;
};

/* What the host knows of a vessel beyond its motion: read when a module,
 * the pilot or a file asks, never by every step. */
struct VesselDetails {
    std::string name;
    ModuleInstance* module = nullptr;
    void* ownObject = nullptr;     // the host's own vessel object, without a module
    std::uint64_t serial = 0;      // creation order, never reused
    std::uint32_t orderIndex = 0;  // where the world's order holds it
    OBJHANDLE proxy = nullptr;     // the vessel nearest it when last looked: see ProxyWatch
    std::uint64_t proxySerial = 0;

    double emptyMass = 1000.0;
    std::vector<Propellant> propellants;
    std::vector<Thruster> thrusters;
    std::vector<ThrusterGroup> groups;
    std::vector<Exhaust> exhausts;
    std::vector<std::string> meshes;
    std::vector<int> meshVisibility;

    VECTOR3 pmi{1, 1, 1};
    VECTOR3 crossSections{1, 1, 1};
    VECTOR3 rotDrag{0, 0, 0};
    VECTOR3 cameraOffset{0, 0, 0};
    VECTOR3 touchdown[3] = {{0, -1, 1}, {-1, -1, -1}, {1, -1, -1}};
    double frictionLng = 0.1;
    double frictionLat = 0.5;
    DWORD adCtrlMode = 0;
    double controlSurfaces[AIRCTRL_RUDDERTRIM + 1] = {};  // by AIRCTRL_TYPE, -1 to 1
    double wheelbrakes[2] = {};                           // left, right, 0 to 1

    VECTOR3 arot{0, 0, 0};
    double surfLng = 0, surfLat = 0, surfHdg = 0;

};

/* What a step and a blast read, in four cache lines, stored one after
 * another in creation order; the rest is in the details. A blast reads only
 * the first three lines, and the collision library's step only the first. */
struct alignas(64) VesselRecord {
    VESSEL* iface = nullptr;  // the vessel object, the module's or the host's own
    const std::string* className = nullptr;  // shared by the class's vessels: see World::className
    VECTOR3 pos{0, 0, 0};
    double size = 1.0;
    MATRIX3 rot{1, 0, 0, 0, 1, 0, 0, 0, 1};
    VECTOR3 force{0, 0, 0};  // accumulated during the current step

    VESSEL2* callbacks = nullptr;  // the same object's callbacks
    VECTOR3 vel{0, 0, 0};
    VECTOR3 angularVel{0, 0, 0};
    double mass = 1000.0;  // the empty mass and every propellant's: see UpdateMass
    VECTOR3 lastForce{0, 0, 0};  // what acted in the last integrated step
    OBJHANDLE handle = nullptr;
    int status = 0;  // 0 free flight, 1 landed
    bool deletePending = false;
    bool hasClassName = true;
    bool hasThrusters = false;

    std::unique_ptr<VesselDetails> details = std::make_unique<VesselDetails>();
};
static_assert(sizeof(void*) != 8 || sizeof(VesselRecord) == 256, "four cache lines");

/* Sets the mass from the details, after any change of the empty mass or of
 * a propellant's. */
void UpdateMass(VesselRecord& vessel);

}  // namespace emu

#endif
