/* The emulated host's one camera. No pilot moves it: it stays outside the
 * focus vessel, behind it on the vessel's own -z axis, looking at it; only
 * oapiCameraScaleDist changes its distance. Without a focus it sits at the
 * origin looking along global z. */
#ifndef BRIMSTAR_EMULATOR_HOST_CAMERA_H
#define BRIMSTAR_EMULATOR_HOST_CAMERA_H

#include "emulator/host/world/world.h"

namespace emu {

struct CameraView {
    VECTOR3 pos;
    VECTOR3 dir;  // unit length
    OBJHANDLE target;
};

struct Camera {
    double distance = 50.0;                   // m, from the target
    double aperture = 0.3490658503988659;     // rad: a 40 degree field of view

    CameraView view(const World& world) const;

    /* Moves the camera by the factor towards (< 1) or away from (> 1) its
     * target; anything but a positive finite factor is ignored. */
    void scaleDistance(double factor);
};

}  // namespace emu

#endif
