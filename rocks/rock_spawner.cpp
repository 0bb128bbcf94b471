#include "rock_spawner.h"

#include "host/spawn_vessel.h"
#include "random_source.h"

#include <cstdio>

namespace {

const double spawnInterval = 5.0;    // s, compared strictly
const double positionSpread = 200.0;  // m per axis
const double velocitySpread = 20.0;  // m/s per axis

double lastRockTime = 0.0;
int nextRockNumber = 4;

/* A uniform offset in (-spread, +spread). */
double Offset(double spread)
{
    return (2 * NextRandom() - 1) * spread;
}

}  // namespace

void RestartRockSpawner(double simt)
{
    lastRockTime = simt;
}

void RockSpawnerStep(double simt)
{
    if (!(simt - lastRockTime > spawnInterval))
        return;
    VESSEL* focus = oapiGetFocusInterface();
    if (!focus)
        return;  // nothing to gather a field around: try again next step
    VECTOR3 pos, vel;
    focus->GetGlobalPos(pos);
    focus->GetGlobalVel(vel);
    // The order of the draws fixes which rock gets which offsets.
    pos.z += Offset(positionSpread);
    pos.y += Offset(positionSpread);
    pos.x += Offset(positionSpread);
    vel.z += Offset(velocitySpread);
    vel.y += Offset(velocitySpread);
    vel.x += Offset(velocitySpread);
    char name[32];
    std::snprintf(name, sizeof name, "R-%d", nextRockNumber);
    ++nextRockNumber;
    SpawnVessel(name, "roid", pos, vel);
    lastRockTime = simt;
}
