/* The host functions that modules use inside a scenario file's blocks. A
 * file handle kept past the host's use of the file finds nothing. */
#include "emulator/host/host.h"

#include "emulator/host/files/scenario_file.h"

using emu::Host;
using emu::ScenarioFile;

namespace {

ScenarioFile* OpenFile(FILEHANDLE scn)
{
    Host* host = Host::current();
    return host ? host->scenarioFile(scn) : nullptr;
}

}  // namespace

bool oapiReadScenario_nextline(FILEHANDLE scn, char*& line)
{
    ScenarioFile* file = OpenFile(scn);
    return file && file->nextInBlock(line);
}

void oapiWriteScenario_string(FILEHANDLE scn, char* item, char* string)
{
    ScenarioFile* file = OpenFile(scn);
    if (file && item)
        file->writeItem(item, string ? string : "");
}
