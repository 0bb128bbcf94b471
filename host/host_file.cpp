#include "host_file.h"

#include "host/host_api.h"

std::FILE* OpenHostFile(const char* path, const char* mode)
{
    return std::fopen(ToPlatformPath(path).c_str(), mode);
}
