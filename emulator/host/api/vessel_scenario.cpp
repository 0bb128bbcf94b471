/* A vessel's default lines in a host scenario: where it is, how it moves and
 * turns, how full its tanks are (only those that hold something, since a
 * vessel read from a scenario starts with every tank empty), and, for a
 * vessel of the host's own, its size and mass. A value that could not be
 * written faithfully (not finite) refuses the save; a line no one knows, or
 * a default item that is malformed, refuses the load. */
#include "emulator/host/motion/frame_math.h"
#include "emulator/host/files/scenario_file.h"
#include "emulator/host/files/scenario_text.h"
#include "emulator/host/files/vessel_state_items.h"
#include "emulator/host/api/vessel_call.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace emu;

namespace {

/* As the host does, a level for a tank the vessel does not have fills
 * nothing: the vessel makes its tanks, the file only fills them. */
void FillTanks(VesselRecord& v, const std::vector<TankLevel>& levels)
{
    std::vector<Propellant>& tanks = v.details->propellants;
    for (const TankLevel& t : levels)
        if (t.tank < tanks.size())
            tanks[t.tank].mass = t.level * tanks[t.tank].maxMass;
    UpdateMass(v);
}

}  // namespace

void VESSEL::SaveDefaultState(FILEHANDLE scn) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SaveDefaultState");
    ScenarioFile* file = Host::current() ? Host::current()->scenarioFile(scn) : nullptr;
    if (!v || !file)
        return;
    VESSELSTATUS2 s{};
    s.version = 2;
    GetStatusEx(&s);
    std::string owner = "vessel '" + v->details->name + "'";
    file->writeItem("STATUS", s.status == 1 ? "Landed" : "Flying");
    if (s.status == 1) {
        file->writeNumbers(owner, "SURF", {s.surf_lng, s.surf_lat, s.surf_hdg});
    } else {
        file->writeNumbers(owner, "RPOS", {s.rpos.x, s.rpos.y, s.rpos.z});
        file->writeNumbers(owner, "RVEL", {s.rvel.x, s.rvel.y, s.rvel.z});
    }
    file->writeNumbers(owner, "AROT", {s.arot.x, s.arot.y, s.arot.z});
    file->writeNumbers(owner, "VROT", {s.vrot.x, s.vrot.y, s.vrot.z});
    std::string levels;
    const std::vector<Propellant>& tanks = v->details->propellants;
    for (size_t i = 0; i < tanks.size(); ++i)
        if (tanks[i].mass > 0.0 && tanks[i].maxMass > 0.0)
            levels += (levels.empty() ? "" : " ") + std::to_string(i) + ":" +
                      NumberText(std::min(1.0, tanks[i].mass / tanks[i].maxMass));
    if (!levels.empty())
        file->writeItem("PRPLEVEL", levels);
    if (!v->details->module) {
        file->writeNumbers(owner, "SIZE", {v->size});
        file->writeNumbers(owner, "MASS", {v->details->emptyMass});
    }
}

void VESSEL::ParseScenarioLineEx(char* line, void* status) const
{
    VesselRecord* v = EnterVessel(hVessel_, "ParseScenarioLineEx", line);
    auto* s = static_cast<VESSELSTATUS2*>(status);
    if (!v || !line || !s)
        return;
    ScenarioFile* file = Host::current()->readingScenario();
    StateItemValue item;
    std::string why;
    switch (ReadStateItem(line, item, why)) {
    case StateItemRead::NotAStateItem:
        why = "vessel '" + v->details->name + "': unknown item '" + std::string(line) + "'";
        [[fallthrough]];
    case StateItemRead::Malformed:
        if (file)
            file->refuse(why);
        return;
    case StateItemRead::Read:
        break;
    }
    const double* d = item.values;
    switch (item.item) {
    case StateItem::Status: s->status = d[0] == 1 ? 1 : 0; break;
    case StateItem::Rpos: s->rpos = {d[0], d[1], d[2]}; break;
    case StateItem::Rvel: s->rvel = {d[0], d[1], d[2]}; break;
    case StateItem::Arot: s->arot = {d[0], d[1], d[2]}; break;
    case StateItem::Vrot: s->vrot = {d[0], d[1], d[2]}; break;
    case StateItem::Surf: s->surf_lng = d[0]; s->surf_lat = d[1]; s->surf_hdg = d[2]; break;
    case StateItem::Size: v->size = d[0]; break;
    case StateItem::Mass: v->details->emptyMass = d[0]; UpdateMass(*v); break;
    case StateItem::PrpLevel: FillTanks(*v, item.levels); break;
    }
}
