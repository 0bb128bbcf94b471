#include "ideal_host.h"

#include <string>
#include <vector>

namespace {

/* What a blast reads and writes, in two cache lines. */
struct alignas(64) HotRecord {
    double pos[3];
    double rot[9];  // columns are the vessel's axes in global coordinates
    double force[3];
    std::uint32_t generation;
    std::uint32_t classIndex;
};
static_assert(sizeof(HotRecord) == 128, "two cache lines");

struct IdealWorld {
    std::vector<HotRecord> hot;
    std::vector<std::string> classNames;  // cold
    std::vector<IdealVessel> interfaces;  // one after another, like the records
    std::uint32_t generation = 1;
};

IdealWorld world;

/* The record, or null for a stale or unknown handle. */
HotRecord* Find(IdealHandle handle)
{
    std::uint32_t index = std::uint32_t(handle), generation = std::uint32_t(handle >> 32);
    if (index >= world.hot.size())
        return nullptr;
    HotRecord& record = world.hot[index];
    return record.generation == generation ? &record : nullptr;
}

}  // namespace

void idealCreate(int count, const double* positions, const char* className)
{
    ++world.generation;
    world.hot.assign(std::size_t(count), HotRecord{});
    world.classNames.assign(1, className);
    world.interfaces.assign(std::size_t(count), IdealVessel{0});
    for (int i = 0; i < count; ++i) {
        HotRecord& record = world.hot[std::size_t(i)];
        for (int k = 0; k < 3; ++k)
            record.pos[k] = positions[3 * i + k];
        record.rot[0] = record.rot[4] = record.rot[8] = 1.0;
        record.generation = world.generation;
        world.interfaces[std::size_t(i)].handle = IdealHandle(world.generation) << 32 | std::uint32_t(i);
    }
}

int idealCount() { return int(world.hot.size()); }

IdealHandle idealVesselByIndex(int index)
{
    if (index < 0 || std::size_t(index) >= world.hot.size())
        return 0;
    return IdealHandle(world.hot[std::size_t(index)].generation) << 32 | std::uint32_t(index);
}

const IdealVessel* idealInterface(IdealHandle handle)
{
    return Find(handle) ? &world.interfaces[std::uint32_t(handle)] : nullptr;
}

const IdealVessel* idealFocusInterface()
{
    return world.interfaces.empty() ? nullptr : &world.interfaces[0];
}

bool idealGlobalPos(IdealHandle handle, double out[3])
{
    HotRecord* record = Find(handle);
    if (!record)
        return false;
    for (int k = 0; k < 3; ++k)
        out[k] = record->pos[k];
    return true;
}

bool idealGlobal2Local(IdealHandle handle, const double global[3], double local[3])
{
    HotRecord* record = Find(handle);
    if (!record)
        return false;
    double d[3] = {global[0] - record->pos[0], global[1] - record->pos[1], global[2] - record->pos[2]};
    for (int r = 0; r < 3; ++r)
        local[r] = record->rot[3 * r] * d[0] + record->rot[3 * r + 1] * d[1] + record->rot[3 * r + 2] * d[2];
    return true;
}

const char* idealClassName(IdealHandle handle)
{
    HotRecord* record = Find(handle);
    return record ? world.classNames[record->classIndex].c_str() : nullptr;
}

bool idealAddForce(IdealHandle handle, const double local[3])
{
    HotRecord* record = Find(handle);
    if (!record)
        return false;
    for (int r = 0; r < 3; ++r)
        record->force[r] += record->rot[r] * local[0] + record->rot[3 + r] * local[1] + record->rot[6 + r] * local[2];
    return true;
}
