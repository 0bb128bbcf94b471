/* The distance text for any double and any buffer size. */
#include "fuzz_host.h"

#include "weapons/distance_format.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double) + 1)
        return 0;
    double distance;
    std::memcpy(&distance, data, sizeof distance);
    std::size_t room = data[sizeof distance] % 64;
    char* buffer = static_cast<char*>(std::malloc(room + 1));
    FormatDistance(buffer, room, distance, data[0] & 1);
    if (room > 0 && std::strlen(buffer) >= room)
        std::abort();
    std::free(buffer);
    return 0;
}
