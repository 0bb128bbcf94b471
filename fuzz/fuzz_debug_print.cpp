/* The debug-print service on any text: the host's line holds what fits,
 * terminated, and the count the service returns is what it wrote. */
#include "fuzz_host.h"

#include "collision/debug_print.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzHost();
    std::string text = AsText(data, size);
    int written = SvcDebugPrint(text.c_str());
    const char* line = oapiDebugString();
    std::size_t length = strnlen(line, OAPI_DEBUG_STRING_SIZE);
    if (length >= std::size_t(OAPI_DEBUG_STRING_SIZE) || written != int(length))
        std::abort();
    return 0;
}
