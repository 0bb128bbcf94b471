/* The part that both display modes' message procedures share: on the host's
 * notice that a display opens, create the mode's display object. */
#ifndef BRIMSTAR_HOST_MFD_OPEN_H
#define BRIMSTAR_HOST_MFD_OPEN_H

#include "host/host_api.h"

#include <new>

/* The new display's address, or 0 for any other message and when the
 * allocation fails. Width and height travel packed in the first parameter. */
template <typename Display>
OAPI_MSGTYPE OpenDisplay(UINT msg, WPARAM wparam, LPARAM lparam)
{
    if (msg != OAPI_MSG_MFD_OPENED)
        return 0;
    DWORD width = DWORD(wparam & 0xFFFF);
    DWORD height = DWORD((wparam >> 16) & 0xFFFF);
    auto* vessel = reinterpret_cast<VESSEL*>(lparam);
    return reinterpret_cast<OAPI_MSGTYPE>(new (std::nothrow) Display(width, height, vessel));
}

#endif
