#include "own_vessel.h"

#include "attached_lifetime.h"
#include "own_deletion.h"

#include <unordered_map>

namespace {

/* By the address of the VESSEL part, the one the host holds */
Attached<std::unordered_map<const VESSEL*, OwnVessel*>> ownVessels;

}  // namespace

OwnVessel::OwnVessel(OBJHANDLE hVessel, int flightModel) : VESSEL2(hVessel, flightModel)
{
    (*ownVessels)[this] = this;
}

OwnVessel::~OwnVessel()
{
    ownVessels->erase(this);
    ForgetOwnDeletion(GetHandle());
}

OwnVessel* OwnVessel::Find(const VESSEL* vessel)
{
    auto found = ownVessels->find(vessel);
    return found == ownVessels->end() ? nullptr : found->second;
}
