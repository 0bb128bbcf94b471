/* A vessel's default lines in a host scenario: where it is, how it moves and
 * turns, and, for a vessel of the host's own, its size and mass. */
#include "emulator/host/world/frame_math.h"
#include "emulator/host/files/scenario_file.h"
#include "emulator/host/api/vessel_call.h"

#include <cstdio>
#include <sstream>
#include <string>

using namespace emu;

namespace {

std::string Numbers(std::initializer_list<double> values)
{
    std::string text;
    for (double d : values) {
        char number[40];
        std::snprintf(number, sizeof number, "%s%.17g", text.empty() ? "" : " ", d);
        text += number;
    }
    return text;
}

std::string Numbers(const VECTOR3& v)
{
    return Numbers({v.x, v.y, v.z});
}

}  // namespace

void VESSEL::SaveDefaultState(FILEHANDLE scn) const
{
    VesselRecord* v = EnterVessel(hVessel_, "SaveDefaultState");
    ScenarioFile* file = Host::current() ? Host::current()->scenarioFile(scn) : nullptr;
    if (!v || !file)
        return;
    VesselStateEx s{};
    s.version = 2;
    GetStatusEx(&s);
    file->writeItem("STATUS", s.status == 1 ? "Landed" : "Flying");
    if (s.status == 1) {
        file->writeItem("SURF", Numbers({s.surf_lng, s.surf_lat, s.surf_hdg}));
    } else {
        file->writeItem("RPOS", Numbers(s.rpos));
        file->writeItem("RVEL", Numbers(s.rvel));
    }
    file->writeItem("AROT", Numbers(s.arot));
    file->writeItem("VROT", Numbers(s.vrot));
    if (!v->module) {
        file->writeItem("SIZE", Numbers({v->size}));
        file->writeItem("MASS", Numbers({v->emptyMass}));
    }
}

void VESSEL::ParseScenarioLineEx(char* line, void* status) const
{
    VesselRecord* v = EnterVessel(hVessel_, "ParseScenarioLineEx", line);
    auto* s = static_cast<VesselStateEx*>(status);
    if (!v || !line || !s)
        return;
    std::istringstream in(line);
    std::string key;
    in >> key;
    if (key == "STATUS") {
        std::string word;
        in >> word;
        s->status = word == "Landed" ? 1 : 0;
    } else if (key == "RPOS") {
        in >> s->rpos.x >> s->rpos.y >> s->rpos.z;
    } else if (key == "RVEL") {
        in >> s->rvel.x >> s->rvel.y >> s->rvel.z;
    } else if (key == "AROT") {
        in >> s->arot.x >> s->arot.y >> s->arot.z;
    } else if (key == "VROT") {
        in >> s->vrot.x >> s->vrot.y >> s->vrot.z;
    } else if (key == "SURF") {
        in >> s->surf_lng >> s->surf_lat >> s->surf_hdg;
    } else if (key == "SIZE") {
        in >> v->size;
    } else if (key == "MASS") {
        in >> v->emptyMass;
    }
}
