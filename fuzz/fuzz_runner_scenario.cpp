/* The runner's scenario reader on any text: it accepts or names a line. */
#include "fuzz_host.h"

#include "emulator/runner/script/scenario_script.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    runner::Script script;
    std::string error;
    if (!runner::ParseScript("fuzz.scn", std::string(reinterpret_cast<const char*>(data), size), script, error) &&
        error.rfind("fuzz.scn:", 0) != 0)
        std::abort();
    return 0;
}
