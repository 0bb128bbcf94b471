/* The host functions of start-up, displays, input and the debug line. */
#include "emulator/host/host.h"
#include "host/host_api.h"

#include <cstdio>
#include <cstring>

using emu::Host;

/* Called from the library's attach: the host's loader starts the module
 * here, inside the attach, before LoadLibrary has returned its handle. */
void InitLib(HINSTANCE module)
{
    Host* host = Host::current();
    if (!host)
        return;
    host->calls().record("InitLib");
    host->modules().attached(module);
    if (auto initModule = FunctionCast<void (*)(HINSTANCE)>(GetProcAddress(module, "InitModule")))
        initModule(module);
}

int Date2Int(char* date)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (Host* host = Host::current())
        host->calls().record("Date2Int", date);
    char month[4] = {};
    int day = 0, year = 0;
    if (!date || std::sscanf(date, "%3s %d %d", month, &day, &year) != 3)
        return 0;
    for (int m = 0; m < 12; ++m)
        if (std::strcmp(month, months[m]) == 0)
            return (year % 100) * 10000 + (m + 1) * 100 + day;
    return 0;
}

int oapiRegisterMFDMode(MFDMODESPEC& modeSpec)
{
    Host* host = Host::current();
    if (!host)
        return 0;
    char key[16];
    std::snprintf(key, sizeof key, "0x%02X", unsigned(modeSpec.key));
    host->calls().record("oapiRegisterMFDMode", modeSpec.name, key);
    return host->mfds().registerMode(modeSpec, host->modules().holding(reinterpret_cast<const void*>(modeSpec.msgproc)));
}

bool oapiUnregisterMFDMode(int mode)
{
    Host* host = Host::current();
    if (!host)
        return false;
    const emu::MfdMode* known = nullptr;
    for (const emu::MfdMode& m : host->mfds().modes())
        if (m.id == mode)
            known = &m;
    host->calls().record("oapiUnregisterMFDMode", known ? known->name : std::string("unknown"));
    return host->mfds().unregisterMode(mode);
}

void oapiOpenInputBox(char* title, bool (*callback)(void*, char*, void*), char* buf, int vislen, void* usrdata)
{
    Host* host = Host::current();
    if (!host)
        return;
    host->calls().record("oapiOpenInputBox", title, vislen);
    host->inputBox().open(title, callback, buf, vislen, usrdata,
                          host->modules().holding(reinterpret_cast<const void*>(callback)));
    host->observer().inputBoxOpened(host->inputBox().title());
}

char* oapiDebugString()
{
    static char detached[Host::debugLineSize];
    Host* host = Host::current();
    return host ? host->debugString() : detached;
}

void oapiDebugString(const char* text)
{
    std::snprintf(oapiDebugString(), Host::debugLineSize, "%s", text ? text : "");
}
