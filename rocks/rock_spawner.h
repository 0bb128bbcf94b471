/* The field of rocks around the vessel in focus: one new rock every five
 * seconds of simulation time. */
#ifndef BRIMSTAR_ROCKS_ROCK_SPAWNER_H
#define BRIMSTAR_ROCKS_ROCK_SPAWNER_H

/* Spawns at most one rock. */
void RockSpawnerStep(double simt);

#endif
