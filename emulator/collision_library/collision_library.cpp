/* The stand-in for the separately installed collision library. It reaches
 * the host only through the service table handed to initint, never by
 * linking to it; it uses the platform (text output, debug output) directly,
 * as a Windows library would.
 *
 * Variants of it are built without one export each (COLLISION_WITHOUT_<name>)
 * to stand for a broken installation.
 */
#include "CollisionAPI.h"
#include "collision_probe.h"

#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#define COLLISION_EXPORT extern "C" __declspec(dllexport)
#else
#define COLLISION_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

CollisionProbe probe;
int page;

typedef void (*WriteScenarioFn)(FILEHANDLE, const char*, const char*);
typedef bool (*ReadScenarioFn)(FILEHANDLE, char*&);

template <typename Fn>
Fn Service(int index)
{
    return probe.table ? reinterpret_cast<Fn>(probe.table[index]) : nullptr;
}

void Trace(const char* what)
{
    char text[128];
    std::snprintf(text, sizeof text, "collision: %s", what);
    OutputDebugStringA(text);
}

[[maybe_unused]] void DrawLine(HDC hDC, int row, const char* text)
{
    TextOutA(hDC, 10, 16 * (row + 2), text, int(std::strlen(text)));
}

}  // namespace

COLLISION_EXPORT const CollisionProbe* CollisionProbeState()
{
    return &probe;
}

COLLISION_EXPORT void COLLAPI initint(void** serviceTable)
{
    ++probe.initintCalls;
    probe.table = serviceTable;
    Trace("initint");
}

#if !defined(COLLISION_WITHOUT_MAINCALL)
COLLISION_EXPORT void COLLAPI maincall(double simt, double simdt, int phase)
{
    if (phase == COLLISION_PHASE_PRE || phase == COLLISION_PHASE_POST)
        ++probe.maincallCalls[phase];
    probe.lastSimt = simt;
    probe.lastSimdt = simdt;
}
#endif

#if !defined(COLLISION_WITHOUT_DRMFD)
COLLISION_EXPORT void COLLAPI drmfd(HDC hDC, int width, int height)
{
    ++probe.drmfdCalls;
    probe.lastWidth = width;
    probe.lastHeight = height;
    char line[64];
    DrawLine(hDC, 0, "Collision stand-in");
    std::snprintf(line, sizeof line, "Page %d", page + 1);
    DrawLine(hDC, 1, line);
    std::snprintf(line, sizeof line, "Registered: %d", probe.registrations);
    DrawLine(hDC, 2, line);
    std::snprintf(line, sizeof line, "Steps: %d", probe.maincallCalls[COLLISION_PHASE_PRE]);
    DrawLine(hDC, 3, line);
}
#endif

#if !defined(COLLISION_WITHOUT_MFDEV)
COLLISION_EXPORT void COLLAPI mfdev(int event)
{
    ++probe.mfdevCalls;
    probe.lastEvent = event;
    if (event == COLLISION_EVENT_PAGE)
        page = (page + 1) % 2;
    char text[32];
    std::snprintf(text, sizeof text, "mfdev %d", event);
    Trace(text);
}
#endif

#if !defined(COLLISION_WITHOUT_STATL)
COLLISION_EXPORT void COLLAPI statl(FILEHANDLE scn)
{
    ++probe.statlCalls;
    Trace("statl");
    auto read = Service<ReadScenarioFn>(SVC_oapiReadScenario_nextline);
    char* line;
    int saved;
    while (read && read(scn, line))
        if (std::sscanf(line, "PAGE %d", &saved) == 1)
            page = saved == 1 ? 1 : 0;
}
#endif

#if !defined(COLLISION_WITHOUT_STATS)
COLLISION_EXPORT void COLLAPI stats(FILEHANDLE scn)
{
    ++probe.statsCalls;
    Trace("stats");
    auto write = Service<WriteScenarioFn>(SVC_oapiWriteScenario_string);
    char value[16];
    std::snprintf(value, sizeof value, "%d", page);
    if (write)
        write(scn, "PAGE", value);
}
#endif

#if !defined(COLLISION_WITHOUT_VSSETONCOLLIDE)
COLLISION_EXPORT void COLLAPI VSSetOnCollide(OBJHANDLE vessel, void*, CollideCallback)
{
    ++probe.registrations;
    probe.lastRegisteredVessel = vessel;
}
#endif
