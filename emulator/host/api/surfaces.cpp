/* The host functions on drawing surfaces: a device context of a surface is
 * its text canvas, as a display's is. */
#include "emulator/host/api/host_call.h"

using namespace emu;

namespace {

Surface* Find(Host* host, SURFHANDLE surf)
{
    return host ? host->surfaces().find(surf) : nullptr;
}

}  // namespace

SURFHANDLE oapiCreateTextureSurface(int width, int height)
{
    Host* host = EnterHost("oapiCreateTextureSurface", width, height);
    if (!host || width <= 0 || height <= 0)
        return nullptr;
    Surface surface;
    surface.width = width;
    surface.height = height;
    return host->surfaces().insert(std::move(surface));
}

HDC oapiGetDC(SURFHANDLE surf)
{
    Surface* s = Find(EnterHost("oapiGetDC"), surf);
    if (!s)
        return nullptr;
    s->dcHandedOut = true;
    return s->canvas.dc();
}

void oapiReleaseDC(SURFHANDLE surf, HDC hDC)
{
    Surface* s = Find(EnterHost("oapiReleaseDC"), surf);
    if (s && hDC == s->canvas.dc())
        s->dcHandedOut = false;
}
