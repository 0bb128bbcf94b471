#include "vector_math.h"

#include <cmath>

double Square(double x)
{
    return x * x;
}

double AbsValue(double x)
{
    return x < 0 ? -x : x;
}

VECTOR3 VecSub(const VECTOR3& a, const VECTOR3& b)
{
    return _V(a.x - b.x, a.y - b.y, a.z - b.z);
}

VECTOR3 VecAdd(const VECTOR3& a, const VECTOR3& b)
{
    return _V(a.x + b.x, a.y + b.y, a.z + b.z);
}

VECTOR3 VecScale(const VECTOR3& a, double f)
{
    return _V(a.x * f, a.y * f, a.z * f);
}

double VecLength(const VECTOR3& a)
{
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

VECTOR3 VecUnit(const VECTOR3& a)
{
    double length = VecLength(a);
    // Written so that a NaN length also keeps the vector unchanged.
    if (!(AbsValue(length) >= 0.001))
        return a;
    return _V(a.x / length, a.y / length, a.z / length);
}
