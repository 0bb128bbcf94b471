/* The stand-in for the separately installed collision library. It reaches
 * the host only through the service table handed to initint, never by
 * linking to it: every host service is taken from its slot, with the
 * signature the host declares for it. It uses the platform (text output,
 * debug output, ending the process) directly, as a Windows library would.
 *
 * Its display has two pages: a status page (steps, registrations, and the
 * vessel count, the focus and the time as the table's services give them)
 * and a list of the vessels with a cursor. PG switches pages, UP and DWN
 * move the cursor, ENT writes the chosen vessel's name into the host's
 * debug line, and HLT ends the run at once with nothing saved.
 *
 * After every step (the second phase of maincall) it finds new contacts of
 * the registered vessels and calls their callbacks (see contact_tracker.h).
 *
 * Variants of it are built without one export each (COLLISION_WITHOUT_<name>)
 * to stand for a broken installation.
 */
#include "host/collision_api.h"
#include "collision_probe.h"
#include "contact_tracker.h"

#include <cstdio>
#include <cstring>

#if defined(_WIN32)
#define COLLISION_EXPORT extern "C" __declspec(dllexport)
#else
#define COLLISION_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

CollisionProbe probe;
collision::ContactTracker tracker;
int page;
int cursor;

const int pageCount = 2;
const int nameSize = 256;

typedef int (*DebugPrintFn)(const char* text);

/* The emulated host's ExitProcess ends its run and returns, but Windows
 * declares it as never returning: called through a pointer the compiler
 * cannot see through, the code after the call is kept. */
void(WINAPI* volatile const exitProcess)(UINT) = ExitProcess;

/* The table's entry at the index, as the function it is; null before the
 * table arrives. */
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

/* The debug line takes a doubled percent sign for one, so every percent
 * sign of the text is doubled on the way. */
void DebugLine(const char* text)
{
    auto print = Service<DebugPrintFn>(SVC_SvcDebugPrint);
    if (!print)
        return;
    char escaped[2 * nameSize];
    size_t length = 0;
    for (const char* c = text; *c && length + 2 < sizeof escaped; ++c) {
        if (*c == '%')
            escaped[length++] = '%';
        escaped[length++] = *c;
    }
    escaped[length] = '\0';
    print(escaped);
}

/* The vessel's name through the table; "" for none. */
void VesselName(OBJHANDLE vessel, char (&name)[nameSize])
{
    name[0] = '\0';
    auto getName = Service<decltype(&oapiGetObjectName)>(SVC_oapiGetObjectName);
    if (getName && vessel)
        getName(vessel, name, nameSize);
}

int VesselCount()
{
    auto count = Service<decltype(&oapiGetVesselCount)>(SVC_oapiGetVesselCount);
    return count ? int(count()) : 0;
}

OBJHANDLE VesselAt(int index)
{
    auto byIndex = Service<decltype(&oapiGetVesselByIndex)>(SVC_oapiGetVesselByIndex);
    return byIndex ? byIndex(index) : nullptr;
}

[[maybe_unused]] void DrawLine(HDC hDC, int row, const char* text)
{
    TextOutA(hDC, 10, 16 * (row + 2), text, int(std::strlen(text)));
}

[[maybe_unused]] void DrawStatusPage(HDC hDC)
{
    char line[nameSize + 16];
    std::snprintf(line, sizeof line, "Registered: %d", probe.registrations);
    DrawLine(hDC, 2, line);
    std::snprintf(line, sizeof line, "Steps: %d", probe.maincallCalls[COLLISION_PHASE_PRE]);
    DrawLine(hDC, 3, line);
    std::snprintf(line, sizeof line, "Watched: %d  contacts: %d new, %ld in all", tracker.watched(),
                  tracker.contactsThisStep(), tracker.totalContacts());
    DrawLine(hDC, 7, line);
    std::snprintf(line, sizeof line, "Vessels: %d", VesselCount());
    DrawLine(hDC, 4, line);
    auto focus = Service<decltype(&oapiGetFocusObject)>(SVC_oapiGetFocusObject);
    char name[nameSize];
    VesselName(focus ? focus() : nullptr, name);
    std::snprintf(line, sizeof line, "Focus: %s", name);
    DrawLine(hDC, 5, line);
    auto simTime = Service<decltype(&oapiGetSimTime)>(SVC_oapiGetSimTime);
    std::snprintf(line, sizeof line, "Time: %.2f s", simTime ? simTime() : 0.0);
    DrawLine(hDC, 6, line);
}

[[maybe_unused]] void DrawVesselPage(HDC hDC)
{
    int count = VesselCount();
    for (int i = 0; i < count; ++i) {
        char name[nameSize];
        VesselName(VesselAt(i), name);
        char line[nameSize + 4];
        std::snprintf(line, sizeof line, "%s %s", i == cursor ? ">" : " ", name);
        DrawLine(hDC, 2 + i, line);
    }
}

[[maybe_unused]] void MoveCursor(int step)
{
    int count = VesselCount();
    cursor = count > 0 ? (cursor + step + count) % count : 0;
}

[[maybe_unused]] void Enter()
{
    char name[nameSize];
    VesselName(VesselAt(cursor), name);
    char text[nameSize + 32];
    std::snprintf(text, sizeof text, "collision: selected %s", name);
    DebugLine(text);
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
    // Contacts are looked for once the step has moved every vessel.
    if (phase == COLLISION_PHASE_POST) {
        tracker.step(collision::HostServices::FromTable(probe.table));
        probe.watched = tracker.watched();
        probe.contactsThisStep = tracker.contactsThisStep();
        probe.totalContacts = tracker.totalContacts();
    }
}
#endif

#if !defined(COLLISION_WITHOUT_DRMFD)
COLLISION_EXPORT void COLLAPI drmfd(HDC hDC, int width, int height)
{
    ++probe.drmfdCalls;
    probe.lastWidth = width;
    probe.lastHeight = height;
    char line[32];
    DrawLine(hDC, 0, "Collision stand-in");
    std::snprintf(line, sizeof line, "Page %d", page + 1);
    DrawLine(hDC, 1, line);
    if (page == 0)
        DrawStatusPage(hDC);
    else
        DrawVesselPage(hDC);
}
#endif

#if !defined(COLLISION_WITHOUT_MFDEV)
COLLISION_EXPORT void COLLAPI mfdev(int event)
{
    ++probe.mfdevCalls;
    probe.lastEvent = event;
    char text[32];
    std::snprintf(text, sizeof text, "mfdev %d", event);
    Trace(text);
    switch (event) {
    case COLLISION_EVENT_HALT:
        // A quick shutdown: nothing is saved, and nothing of this library
        // runs after it.
        exitProcess(0);
        return;
    case COLLISION_EVENT_PAGE:
        page = (page + 1) % pageCount;
        break;
    case COLLISION_EVENT_PREVIOUS:
        MoveCursor(-1);
        break;
    case COLLISION_EVENT_NEXT:
        MoveCursor(1);
        break;
    case COLLISION_EVENT_ENTER:
        Enter();
        break;
    default:
        break;
    }
}
#endif

#if !defined(COLLISION_WITHOUT_STATL)
COLLISION_EXPORT void COLLAPI statl(FILEHANDLE scn)
{
    ++probe.statlCalls;
    Trace("statl");
    auto read = Service<decltype(&oapiReadScenario_nextline)>(SVC_oapiReadScenario_nextline);
    char* line;
    // The page is 1 only when the line says so to the letter: a number
    // that merely starts with 1, or wraps round to it, is no page 1.
    while (read && read(scn, line))
        if (std::strncmp(line, "PAGE ", 5) == 0)
            page = std::strcmp(line + 5, "1") == 0 ? 1 : 0;
}
#endif

#if !defined(COLLISION_WITHOUT_STATS)
COLLISION_EXPORT void COLLAPI stats(FILEHANDLE scn)
{
    ++probe.statsCalls;
    Trace("stats");
    auto write = Service<decltype(&oapiWriteScenario_string)>(SVC_oapiWriteScenario_string);
    char value[16];
    std::snprintf(value, sizeof value, "%d", page);
    char key[] = "PAGE";  // the host takes it writable
    if (write)
        write(scn, key, value);
}
#endif

#if !defined(COLLISION_WITHOUT_VSSETONCOLLIDE)
COLLISION_EXPORT void COLLAPI VSSetOnCollide(OBJHANDLE vessel, void* context, CollideCallback callback)
{
    ++probe.registrations;
    probe.lastRegisteredVessel = vessel;
    tracker.watch(vessel, context, callback);
}
#endif
