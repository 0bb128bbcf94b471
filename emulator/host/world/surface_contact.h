/* The ground: a vessel never passes through body 0. The host holds a vessel
 * at the surface by its touchdown points; so does this pass, as far as the
 * vessels here need it.
 *
 * Before the integration it notes where each free-flying vessel and the
 * planet start the step; after it, the vessel's way through the step is
 * taken as the cubic curve that matches its start and end positions and
 * velocities relative to the planet (exact for a constant acceleration, and
 * close along an orbit's arc), so a path that dips below the surface and
 * comes out again within one long step is caught, not only an end below it.
 * The first crossing lands the vessel there: it rests with its lowest
 * touchdown point on the surface, keeps its longitude and latitude, and
 * turns with the planet from then on. The touchdown points, not the centre,
 * since a vessel stands on its legs: a 20 m ship resting on its centre
 * would be half underground.
 *
 * A vessel that starts a step inside the planet (a test's vessel placed at
 * its centre) came through no surface and is left as it is.
 *
 * A landed vessel leaves the surface again when the forces added to it in
 * a step push outward harder than its weight: it starts from the surface
 * with the surface's velocity plus what the net force gave it over the
 * step, and moves from the next step on. Thrust does not lift it. */
#ifndef BRIMSTAR_EMULATOR_HOST_SURFACE_CONTACT_H
#define BRIMSTAR_EMULATOR_HOST_SURFACE_CONTACT_H

#include "emulator/host/world/world.h"

#include <vector>

namespace emu {

/* Where and how a vessel met the ground. */
struct Touchdown {
    OBJHANDLE vessel = nullptr;
    double time = 0;       // the world's clock at the contact, within the step
    double longitude = 0;  // rad, on the turning planet
    double latitude = 0;   // rad
    double speed = 0;      // m/s relative to the surface beneath it
};

class SurfaceContact {
public:
    /* Before the integration of a step of dt: where body 0 starts. */
    void startStep(const World& world, double dt);
    /* Within the integration's pass, before the vessel moves, with the
     * step's forces added: notes where it starts if it could reach the
     * ground within the step, or that it is landed. The rest cost a
     * distance each, and no pass of their own. */
    void note(OBJHANDLE handle, const VesselRecord& vessel);
    /* After it, with the world's clock at the step's end: landed vessels
     * turn with the planet or are lifted off, and free ones whose way met
     * the surface land. The touchdowns of the step, in the step's order. */
    const std::vector<Touchdown>& endStep(World& world, double dt);

private:
    struct Start {
        OBJHANDLE vessel;
        VECTOR3 pos, vel;
    };
    /* A landed vessel and the forces added to it in the step */
    struct Landed {
        OBJHANDLE vessel;
        VECTOR3 force;
    };
    std::vector<Start> starts_;
    std::vector<Landed> landed_;
    std::vector<Touchdown> touchdowns_;
    VECTOR3 planetStart_{0, 0, 0}, planetVel_{0, 0, 0};
    bool watching_ = false;  // body 0 is there, with a surface
    double ground_ = 0, pull_ = 0, dt_ = 0;
};

/* Moves a landed vessel with the planet from one time of the world's clock
 * to another: the same longitude, latitude and height, the surface's
 * velocity there, its attitude turned as the planet turned. */
void CarryLanded(const Body& planet, VesselRecord& vessel, const VECTOR3& planetBefore, double from, double to);

}  // namespace emu

#endif
