#include "spawn_vessel.h"

#include "host_file.h"
#include "vector_math.h"

#include <cstdio>
#include <cstring>

namespace {

const int classFilePathSize = 256;

}  // namespace

bool ClassFileInPlace(const char* className)
{
    if (!className)
        return false;
    char path[classFilePathSize];
    int length = std::snprintf(path, sizeof path, "config\\vessels\\%s.cfg", className);
    if (length < 0 || std::size_t(length) >= sizeof path)
        return false;
    std::FILE* file = OpenHostFile(path, "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

bool SpawnVessel(const char* name, const char* className, const VECTOR3& gpos, const VECTOR3& gvel)
{
    if (!ClassFileInPlace(className))
        return false;
    // Every byte zero first: the host reads fields the module never sets.
    VesselStateEx state;
    std::memset(&state, 0, sizeof state);
    state.version = 2;
    state.rbody = oapiGetGbodyByIndex(0);
    VECTOR3 bodyPos{}, bodyVel{};
    oapiGetGlobalPos(state.rbody, &bodyPos);
    state.rpos = VecSub(gpos, bodyPos);
    oapiGetGlobalVel(state.rbody, &bodyVel);
    state.rvel = VecSub(gvel, bodyVel);
    return oapiCreateVesselEx(name, className, &state) != nullptr;
}
