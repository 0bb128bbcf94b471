/* Firing bombs ahead of a vessel, once or in a timed sequence. */
#ifndef BRIMSTAR_WEAPONS_NUKE_LAUNCH_H
#define BRIMSTAR_WEAPONS_NUKE_LAUNCH_H

/* Fires every slot whose sequence is due. */
void WeaponSequenceStep(double simt);

#endif
