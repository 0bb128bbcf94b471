/* The module's uniform random source: L'Ecuyer's combination of two
 * multiplicative congruential generators with a Bays-Durham shuffle over 32
 * entries (ran2 of Numerical Recipes, second edition). It always seeds
 * itself with 1, so each load of the module draws the same sequence. */
#ifndef BRIMSTAR_ROCKS_RANDOM_SOURCE_H
#define BRIMSTAR_ROCKS_RANDOM_SOURCE_H

/* A number in (0, 1): at least 1/2147483563, at most 0.99999988. */
double NextRandom();

#endif
