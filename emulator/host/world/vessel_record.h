/* Everything the emulated host knows of one vessel. Positions, velocities
 * and forces are global; `rot` turns the vessel's own axes into global ones. */
#ifndef BRIMSTAR_EMULATOR_HOST_VESSEL_RECORD_H
#define BRIMSTAR_EMULATOR_HOST_VESSEL_RECORD_H

#include "VesselAPI.h"

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

struct VesselRecord {
    // What every step reads comes first, together, so that a step over many
    // vessels touches few cache lines of each.
    VESSEL* iface = nullptr;       // the vessel object, the module's or the host's own
    VESSEL2* callbacks = nullptr;  // the same object's callbacks
    OBJHANDLE handle = nullptr;
    VECTOR3 pos{0, 0, 0};
    VECTOR3 vel{0, 0, 0};
    MATRIX3 rot{1, 0, 0, 0, 1, 0, 0, 0, 1};
    VECTOR3 force{0, 0, 0};  // accumulated during the current step
    VECTOR3 angularVel{0, 0, 0};
    double size = 1.0;
    double emptyMass = 1000.0;
    int status = 0;  // 0 free flight, 1 landed
    bool deletePending = false;
    bool hasClassName = true;
    std::vector<Propellant> propellants;
    std::vector<Thruster> thrusters;
    VECTOR3 lastForce{0, 0, 0};  // what acted in the last integrated step

    std::string name;
    std::string className;
    ModuleInstance* module = nullptr;

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

    std::vector<ThrusterGroup> groups;
    std::vector<Exhaust> exhausts;
    std::vector<std::string> meshes;
    std::vector<int> meshVisibility;

    OBJHANDLE cameraTarget = nullptr;

    double mass() const;
};

}  // namespace emu

#endif
