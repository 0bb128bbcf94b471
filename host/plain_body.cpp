#include "plain_body.h"

void DeclarePlainBody(const VESSEL& vessel, double size, double emptyMass)
{
    vessel.SetSize(size);
    vessel.SetPMI(_V(1.0, 1.0, 1.0));
    vessel.SetEmptyMass(emptyMass);
    vessel.SetCrossSections(_V(0.01, 0.01, 0.01));
    vessel.SetRotDrag(_V(0.3, 0.3, 0.3));
    vessel.SetSurfaceFrictionCoeff(0.7, 0.7);
    vessel.SetCameraOffset(_V(0.0, 0.0, 0.0));
    vessel.SetTouchdownPoints(_V(-1.0, -1.0, -2.0), _V(-1.0, 1.0, -2.0), _V(1.0, 0.0, -2.0));
}
