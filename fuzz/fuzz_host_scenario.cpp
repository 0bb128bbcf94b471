/* The host's scenario reader on any file: it loads what it can, or says
 * why not, and the world it leaves can still be stepped and saved. */
#include "fuzz_host.h"

#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    emu::Host& host = FuzzHost();
    {
        std::ofstream file("fuzz-input.scn", std::ios::binary);
        file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    std::string error;
    host.loadScenario("fuzz-input.scn", error);
    host.step(0.1);
    host.saveScenario("fuzz-output.scn", error);
    return 0;
}
