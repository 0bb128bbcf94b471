#include "emulator/host/world/camera.h"

#include "emulator/host/motion/frame_math.h"

#include <cmath>

namespace emu {

CameraView Camera::view(const World& world) const
{
    const VesselRecord* target = world.vessel(world.focus);
    if (!target)
        return {{0, 0, 0}, {0, 0, 1}, nullptr};
    VECTOR3 forward = mul(target->rot, VECTOR3{0, 0, 1});
    return {target->pos - forward * distance, forward, target->handle};
}

void Camera::scaleDistance(double factor)
{
    if (factor > 0.0 && std::isfinite(factor * distance))
        distance *= factor;
}

}  // namespace emu
