/* The field of rocks around the vessel in focus: one new rock every five
 * seconds of simulation time, within 200 m per axis of the focus and
 * drifting with it, up to 20 m/s per axis. Rocks are named, ... from
 * the module's load on, whatever a scenario already holds. */
#ifndef BRIMSTAR_ROCKS_ROCK_SPAWNER_H
#define BRIMSTAR_ROCKS_ROCK_SPAWNER_H

/* Spawns at most one rock, when more than 5 s have passed since the last. */
void RockSpawnerStep(double simt);

/* The clock went back, to a new session's 0 or by a time jump, even below
 * 0: the next rock comes 5 s from simt, not when the clock is back where it
 * was. Names go on counting, so no rock of an earlier session shares one. */
void RestartRockSpawner(double simt);

#endif
