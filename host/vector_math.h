/* Small numeric helpers on the host's vectors. All are pure. */
#ifndef BRIMSTAR_HOST_VECTOR_MATH_H
#define BRIMSTAR_HOST_VECTOR_MATH_H

#include "host/host_api.h"

double Square(double x);
double AbsValue(double x);
VECTOR3 VecSub(const VECTOR3& a, const VECTOR3& b);
VECTOR3 VecAdd(const VECTOR3& a, const VECTOR3& b);
VECTOR3 VecScale(const VECTOR3& a, double f);
double VecLength(const VECTOR3& a);

/* a scaled to length 1; a itself when shorter than 0.001 (or not a number),
 * so a tiny vector keeps its own tiny length. */
VECTOR3 VecUnit(const VECTOR3& a);

#endif
