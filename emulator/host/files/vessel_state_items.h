/* The host's default items in a vessel's block of a host scenario: where
 * the vessel is, how it moves and turns, and, for a vessel of the host's
 * own, its size and mass. One reader for the host's check of a whole file
 * and for the vessels' own parsing, so that both take the same lines. */
#ifndef BRIMSTAR_EMULATOR_HOST_VESSEL_STATE_ITEMS_H
#define BRIMSTAR_EMULATOR_HOST_VESSEL_STATE_ITEMS_H

#include <string>

namespace emu {

enum class StateItem { Status, Rpos, Rvel, Arot, Vrot, Surf, Size, Mass };

struct StateItemValue {
    StateItem item = StateItem::Status;
    double values[3] = {};  // one for SIZE and MASS; STATUS: 1 landed, 0 flying
};

enum class StateItemRead { Read, NotAStateItem, Malformed };

/* Reads a line as one of the default items; Malformed with why when its key
 * is one but its values are not what the item holds. */
StateItemRead ReadStateItem(const std::string& line, StateItemValue& value, std::string& why);

}  // namespace emu

#endif
