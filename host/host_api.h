/* The one header through which the module reaches its host: the host's SDK,
 * and the few names this module uses that the SDK spells otherwise or leaves
 * undeclared. The same lines serve the host's own SDK and the stand-in. */
#ifndef BRIMSTAR_HOST_HOST_API_H
#define BRIMSTAR_HOST_HOST_API_H

#include "Orbitersdk.h"

/* The extended vessel state record, version 2 */
typedef VESSELSTATUS2 VesselStateEx;

/* An MFD mode's message procedure, as MFDMODESPEC holds it */
typedef OAPI_MSGTYPE (*MFDMSGPROC)(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

/* What oapiOpenInputBox calls with the text entered */
typedef bool (*INPUTBOXCALLBACK)(void* id, char* text, void* usrdata);

/* The debug line's capacity, as the host documents it, zero included */
const int OAPI_DEBUG_STRING_SIZE = 256;

/* Exported by the host's executable and declared in none of its headers */
OAPIFUNC void InitLib(HINSTANCE module);
OAPIFUNC int Date2Int(char* date);

/* A text for a host function that takes char* and only reads it */
inline char* HostText(const char* text)
{
    return const_cast<char*>(text);
}

/* An export's address as the function it is. */
template <typename Fn>
Fn FunctionCast(FARPROC address)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(address));
}

#endif
