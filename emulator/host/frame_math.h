/* Rotations between a vessel's own axes and the global frame. */
#ifndef BRIMSTAR_EMULATOR_HOST_FRAME_MATH_H
#define BRIMSTAR_EMULATOR_HOST_FRAME_MATH_H

#include "OrbiterAPI.h"

namespace emu {

VECTOR3 operator+(const VECTOR3& a, const VECTOR3& b);
VECTOR3 operator-(const VECTOR3& a, const VECTOR3& b);
VECTOR3 operator*(const VECTOR3& a, double f);
double dot(const VECTOR3& a, const VECTOR3& b);
VECTOR3 cross(const VECTOR3& a, const VECTOR3& b);
double length(const VECTOR3& a);

/* m a */
VECTOR3 mul(const MATRIX3& m, const VECTOR3& a);
/* m^T a: for a rotation, the inverse */
VECTOR3 tmul(const MATRIX3& m, const VECTOR3& a);
MATRIX3 mul(const MATRIX3& a, const MATRIX3& b);

/* Orientation angles (a, b, c): turned about x by a, then y by b, then z by
 * c, all in the global frame. */
MATRIX3 RotationFromAngles(const VECTOR3& angles);
VECTOR3 AnglesFromRotation(const MATRIX3& m);

/* A turn by |w| dt about the axis w. */
MATRIX3 RotationFromAngularStep(const VECTOR3& w, double dt);

}  // namespace emu

#endif
