/* The host functions on the running session: its clock, time acceleration,
 * pause, and saving the simulation as a scenario of the host's, under
 * "Scenarios" in the root folder. */
#include "emulator/host/api/host_call.h"
#include "host/host_file.h"

#include "windows_subset.h"

#include <filesystem>

using namespace emu;

double oapiGetSimTime()
{
    Host* host = EnterHost("oapiGetSimTime");
    return host ? host->simTime() : 0.0;
}

double oapiGetSimMJD()
{
    Host* host = EnterHost("oapiGetSimMJD");
    return host ? host->world().mjd() : 0.0;
}

double oapiGetTimeAcceleration()
{
    Host* host = EnterHost("oapiGetTimeAcceleration");
    return host ? host->timeAcceleration() : 1.0;
}

void oapiSetTimeAcceleration(double warp)
{
    if (Host* host = EnterHost("oapiSetTimeAcceleration", warp))
        host->setTimeAcceleration(warp);
}

bool oapiGetPause()
{
    Host* host = EnterHost("oapiGetPause");
    return host && host->paused();
}

bool oapiSaveScenario(const char* fname, const char* desc)
{
    Host* host = EnterHost("oapiSaveScenario", fname, desc);
    if (!host || !fname || !*fname)
        return false;
    std::filesystem::path path = ToPlatformPath((std::string("Scenarios\\") + fname + ".scn").c_str());
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::string error;
    return host->saveScenario(path, error, desc ? desc : "");
}
