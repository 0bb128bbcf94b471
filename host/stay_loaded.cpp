#include "host/stay_loaded.h"

#include "host/host_api.h"

namespace {

int openDisplays;
bool inputBoxOpened;  // never cleared: the host closes a box without telling
bool pluginCalled;
bool pinned;

// Any address inside the library names it to the platform.
const char libraryAnchor = 0;

}  // namespace

DisplayHold::DisplayHold()
{
    ++openDisplays;
}

DisplayHold::~DisplayHold()
{
    --openDisplays;
}

void NotePluginCall()
{
    pluginCalled = true;
}

void NoteInputBoxOpened()
{
    inputBoxOpened = true;
}

void StayLoadedIfHeld()
{
    if (pinned || pluginCalled || (openDisplays == 0 && !inputBoxOpened))
        return;
    HMODULE self = nullptr;
    pinned = GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                                &libraryAnchor, &self) != FALSE;
}
