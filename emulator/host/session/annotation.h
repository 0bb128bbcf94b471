/* An annotation: a text the host shows over its view, in a box given in
 * fractions of the view's width and height. The emulated host only keeps
 * it, for the runner and tests to read. */
#ifndef BRIMSTAR_EMULATOR_HOST_ANNOTATION_H
#define BRIMSTAR_EMULATOR_HOST_ANNOTATION_H

#include "OrbiterAPI.h"

#include <string>

namespace emu {

struct Annotation {
    bool exclusive = false;
    double size = 1.0;
    VECTOR3 colour{1, 1, 1};
    double x1 = 0.0, y1 = 0.0, x2 = 1.0, y2 = 1.0;
    std::string text;
};

}  // namespace emu

#endif
