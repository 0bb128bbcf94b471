#include "fuzz_module_host.h"

#include "emulator/windows/platform_sink.h"

#include <cstdlib>
#include <filesystem>
#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

void HearPlatformCalls(const char*, const char*, const char*, void*) {}

}  // namespace

const char* ModuleHostStart()
{
    return "fuzz-start.scn";
}

emu::Host& ModuleHost()
{
    static emu::Host* host = [] {
        std::string folder = (fs::temp_directory_path() / "brimstar-fuzz-module-XXXXXX").string();
        if (!mkdtemp(folder.data()))
            abort();
        fs::copy(BRIMSTAR_EMULATED_ROOT, folder, fs::copy_options::recursive);
        auto* h = new emu::Host(folder);
        SetPlatformSink(&HearPlatformCalls, nullptr);
        h->world().addBody(emu::Body());
        std::string error;
        if (!h->createVesselAt("fuzz-start", "Ship", {7e6, 0, 0}) || !h->saveScenario(ModuleHostStart(), error))
            abort();
        return h;
    }();
    return *host;
}
