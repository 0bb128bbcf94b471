/* A minimal host, as small as a host can be: the seven calls a bomb makes per
 * vessel, over contiguous 128-byte hot records found by generational handles.
 * It is built as a shared library of its own so that every call crosses a
 * library boundary, as calls into a real host do. */
#ifndef BRIMSTAR_BENCHMARKS_IDEAL_HOST_IDEAL_HOST_H
#define BRIMSTAR_BENCHMARKS_IDEAL_HOST_IDEAL_HOST_H

#include <cstdint>

extern "C" {

/* Index in the low half, generation in the high half; 0 is no vessel. */
typedef std::uint64_t IdealHandle;

/* A vessel's interface object, as a module holds it: it knows its handle,
 * and a method call reads it from there. */
struct IdealVessel {
    IdealHandle handle;
};

/* Replaces the world with count vessels of the class at the positions
 * (three doubles each), every frame the identity. */
void idealCreate(int count, const double* positions, const char* className);
int idealCount();

IdealHandle idealVesselByIndex(int index);
const IdealVessel* idealInterface(IdealHandle handle);
/* The interface of the vessel in focus, the first. */
const IdealVessel* idealFocusInterface();
bool idealGlobalPos(IdealHandle handle, double out[3]);
bool idealGlobal2Local(IdealHandle handle, const double global[3], double local[3]);
const char* idealClassName(IdealHandle handle);
/* A force in the vessel's frame, rotated back and accumulated. */
bool idealAddForce(IdealHandle handle, const double local[3]);
}

#endif
