#include "own_deletion.h"

#include "attached_lifetime.h"
#include <algorithm>
#include <vector>

namespace {

/* Vessels of the module whose deletion the host has accepted and not yet
 * carried out: at most the module's own vessels that go in one step. */
Attached<std::vector<OBJHANDLE>> pendingDeletions;

}  // namespace

void RequestOwnDeletion(OBJHANDLE vessel)
{
    if (std::find(pendingDeletions->begin(), pendingDeletions->end(), vessel) != pendingDeletions->end())
        return;
    DWORD count = oapiGetVesselCount();
    if (count <= pendingDeletions->size() + 1)
        return;  // this one would be the last left: it stays until it has company
    // A refused request leaves nothing pending: the vessel may ask again.
    if (oapiDeleteVessel(vessel, nullptr))
        pendingDeletions->push_back(vessel);
}

void ForgetOwnDeletion(OBJHANDLE vessel)
{
    pendingDeletions->erase(std::remove(pendingDeletions->begin(), pendingDeletions->end(), vessel),
                            pendingDeletions->end());
}
