#include "weapon_slots.h"

void InitWeaponSlots(double, double)
{
}
