/* Per-vessel weapon settings: one module-wide table of slots, bound to a
 * vessel the first time a Weapons display opens for it. */
#ifndef BRIMSTAR_WEAPONS_WEAPON_SLOTS_H
#define BRIMSTAR_WEAPONS_WEAPON_SLOTS_H

/* Fills every slot with its defaults. */
void InitWeaponSlots(double velocity, double powerKt);

#endif
