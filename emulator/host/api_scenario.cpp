/* The host functions that modules use inside a scenario file's blocks. */
#include "host.h"

#include "scenario_file.h"

using emu::ScenarioFile;

bool oapiReadScenario_nextline(FILEHANDLE scn, char*& line)
{
    return scn && ScenarioFile::from(scn)->nextInBlock(line);
}

void oapiWriteScenario_string(FILEHANDLE scn, const char* item, const char* string)
{
    if (scn && item)
        ScenarioFile::from(scn)->writeItem(item, string ? string : "");
}
