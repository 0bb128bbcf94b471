#include "host_file.h"

#include "Orbitersdk.h"

std::FILE* OpenHostFile(const char* path, const char* mode)
{
    return std::fopen(ToPlatformPath(path).c_str(), mode);
}
