/* Distances as the Weapons display shows them: metres, then Km, Mm and Gm,
 * with an optional part in astronomical units counted as 150 Gm each. */
#ifndef BRIMSTAR_WEAPONS_DISTANCE_FORMAT_H
#define BRIMSTAR_WEAPONS_DISTANCE_FORMAT_H

#include <cstddef>

/* Writes at most size characters, terminating zero included. */
void FormatDistance(char* buffer, std::size_t size, double distance, bool withAU);

#endif
