#include "fuzz_host.h"

#include <filesystem>
#include <fstream>
#include <stdlib.h>

emu::Host& FuzzHost()
{
    static emu::Host* host = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "brimstar-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            abort();
        for (const char* folder : {"config/vessels", "meshes", "modules"})
            std::filesystem::create_directories(std::filesystem::path(pattern) / folder);
        // Every class in place, without its module: the host makes them
        // bare, and never ends the run for a missing one.
        for (const char* className : {"Ship", "nuke", "roid"})
            std::ofstream(std::filesystem::path(pattern) / "config/vessels" / (std::string(className) + ".cfg"))
                << "ClassName=" << className << "\n";
        auto* h = new emu::Host(pattern);
        h->world().addBody(emu::Body());
        return h;
    }();
    return *host;
}

OBJHANDLE FuzzShip()
{
    emu::Host& host = FuzzHost();
    if (emu::VesselRecord* ship = host.world().vesselByName("GL-01"))
        return ship->handle;
    VesselStateEx state{};
    state.version = 2;
    state.rbody = oapiGetGbodyByIndex(0);
    state.rpos = _V(7e6, 0, 0);
    return host.createVessel("GL-01", "Ship", state);
}

std::string AsText(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    return text.substr(0, text.find('\0'));
}
