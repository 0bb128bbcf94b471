/* A vessel's flight data relative to its reference body, which in the
 * emulated host is always body 0.
 *
 * The local horizon at a point has the axes east, up (away from the planet's
 * centre) and north (towards the planet's north pole, along its surface).
 * The air turns with the planet, so airspeed is the velocity relative to
 * the planet minus the planet's rotation at that point. The orbit is the
 * two-body conic around the planet.
 */
#ifndef BRIMSTAR_EMULATOR_HOST_FLIGHT_DATA_H
#define BRIMSTAR_EMULATOR_HOST_FLIGHT_DATA_H

#include "emulator/host/world/body.h"
#include "emulator/host/world/vessel_record.h"

namespace emu {

struct Horizon {
    VECTOR3 east, up, north;
};

struct EquatorialPosition {
    double longitude, latitude, radius;  // rad, rad, m
};

struct Apsides {
    double periapsis;  // m from the planet's centre
    double apoapsis;   // m; negative for an open orbit, infinite for a parabola
};

Horizon HorizonAt(const Body& planet, const VECTOR3& global, double simt);
EquatorialPosition EquatorialAt(const Body& planet, const VECTOR3& global, double simt);

/* Global airspeed vector */
VECTOR3 AirVelocity(const Body& planet, const VesselRecord& vessel);

/* The same in the local horizon: (east, up, north) */
VECTOR3 HorizonAirVelocity(const Body& planet, const VesselRecord& vessel, double simt);

/* The angle from north to the vessel's forward axis in the horizon, 0 to
 * 2 pi, turning east. */
double Heading(const Body& planet, const VesselRecord& vessel, double simt);

/* The forward axis above the horizon, and the turn about it: positive when
 * the vessel's x axis dips below the horizon. */
double Pitch(const Body& planet, const VesselRecord& vessel);
double Bank(const Body& planet, const VesselRecord& vessel);

/* False when the vessel sits at the planet's centre. */
bool ApsidesOf(const Body& planet, const VesselRecord& vessel, Apsides& apsides);

}  // namespace emu

#endif
