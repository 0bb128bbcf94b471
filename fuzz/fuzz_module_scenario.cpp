/* The host's scenario reader with the module loaded, so that bombs, rocks
 * and the modules' blocks (the collision library's among them) come from
 * the input: a load either replaces the world or leaves it as it was, the
 * world can still be stepped, and whatever saves loads back. */
#include "fuzz_module_host.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    emu::Host& host = ModuleHost();
    std::string error;
    if (!host.loadScenario(ModuleHostStart(), error))
        abort();
    {
        std::ofstream file("fuzz-input.scn", std::ios::binary);
        file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    host.loadScenario("fuzz-input.scn", error);
    host.step(0.1);
    if (host.saveScenario("fuzz-output.scn", error) && !host.loadScenario("fuzz-output.scn", error))
        abort();
    return 0;
}
