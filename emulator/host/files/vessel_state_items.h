/* The host's default items in a vessel's block of a host scenario: where
 * the vessel is, how it moves and turns, how full its tanks are, and, for a
 * vessel of the host's own, its size and mass. One reader for the host's
 * check of a whole file and for the vessels' own parsing, so that both take
 * the same lines. */
#ifndef BRIMSTAR_EMULATOR_HOST_VESSEL_STATE_ITEMS_H
#define BRIMSTAR_EMULATOR_HOST_VESSEL_STATE_ITEMS_H

#include <cstddef>
#include <string>
#include <vector>

namespace emu {

enum class StateItem { Status, Rpos, Rvel, Arot, Vrot, Surf, Size, Mass, PrpLevel };

/* A tank, counted from 0 in the order the vessel made them, and how full it
 * is, from 0 to 1. */
struct TankLevel {
    std::size_t tank;
    double level;
};

struct StateItemValue {
    StateItem item = StateItem::Status;
    double values[3] = {};  // one for SIZE and MASS; STATUS: 1 landed, 0 flying
    std::vector<TankLevel> levels;  // PRPLEVEL's "tank:level" words
};

enum class StateItemRead { Read, NotAStateItem, Malformed };

/* Reads a line as one of the default items; Malformed with why when its key
 * is one but its values are not what the item holds. */
StateItemRead ReadStateItem(const std::string& line, StateItemValue& value, std::string& why);

}  // namespace emu

#endif
