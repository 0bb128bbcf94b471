#include "nuke_launch.h"

void WeaponSequenceStep(double)
{
}
