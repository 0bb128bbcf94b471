/* A drawing surface: a texture surface a module created, or a mesh's
 * texture. Drawing on it goes into a text canvas, as on a display. */
#ifndef BRIMSTAR_EMULATOR_HOST_SURFACE_H
#define BRIMSTAR_EMULATOR_HOST_SURFACE_H

#include "emulator/windows/text_canvas.h"

#include <string>

namespace emu {

struct Surface {
    int width = 0;
    int height = 0;
    std::string texture;  // the mesh texture's file name, "" for a created surface
    TextCanvas canvas;
    bool dcHandedOut = false;  // between oapiGetDC and oapiReleaseDC
};

}  // namespace emu

#endif
