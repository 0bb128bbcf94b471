/* The host functions on the camera: see camera.h for the one camera the
 * emulated host has. */
#include "emulator/host/api/host_call.h"

using namespace emu;

namespace {

CameraView View(Host* host)
{
    return host ? host->camera().view(host->world()) : CameraView{{0, 0, 0}, {0, 0, 1}, nullptr};
}

}  // namespace

bool oapiCameraInternal()
{
    EnterHost("oapiCameraInternal");
    return false;
}

int oapiCameraMode()
{
    EnterHost("oapiCameraMode");
    return CAM_TARGETRELATIVE;
}

int oapiCockpitMode()
{
    EnterHost("oapiCockpitMode");
    return COCKPIT_GENERIC;
}

OBJHANDLE oapiCameraTarget()
{
    return View(EnterHost("oapiCameraTarget")).target;
}

double oapiCameraTargetDist()
{
    Host* host = EnterHost("oapiCameraTargetDist");
    return host ? host->camera().distance : 0.0;
}

double oapiCameraAperture()
{
    Host* host = EnterHost("oapiCameraAperture");
    return host ? host->camera().aperture : Camera().aperture;
}

void oapiCameraGlobalPos(VECTOR3* gpos)
{
    CameraView view = View(EnterHost("oapiCameraGlobalPos"));
    if (gpos)
        *gpos = view.pos;
}

void oapiCameraGlobalDir(VECTOR3* gdir)
{
    CameraView view = View(EnterHost("oapiCameraGlobalDir"));
    if (gdir)
        *gdir = view.dir;
}

void oapiCameraScaleDist(double scale)
{
    if (Host* host = EnterHost("oapiCameraScaleDist", scale))
        host->camera().scaleDistance(scale);
}
