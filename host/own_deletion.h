/* How the module's own vessels leave: by asking the host, which deletes them
 * later, after the step. The simulator does not survive losing its last
 * vessel, so a request that would leave none is never made; requests already
 * made and not yet carried out count as gone, since two vessels asking in one
 * step would otherwise both see the other still there. */
#ifndef BRIMSTAR_HOST_OWN_DELETION_H
#define BRIMSTAR_HOST_OWN_DELETION_H

#include "host/host_api.h"

/* Asks the host to delete the vessel, unless it has asked already or the
 * vessel would be the last one staying. */
void RequestOwnDeletion(OBJHANDLE vessel);

/* The vessel's object is being destroyed: its request is carried out. */
void ForgetOwnDeletion(OBJHANDLE vessel);

#endif
