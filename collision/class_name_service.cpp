#include "class_name_service.h"

#include <cstring>

extern "C" char* SvcGetClassName(VESSEL* vessel, char* buffer)
{
    if (!buffer)
        return nullptr;
    std::memset(buffer, 0, classNameBufferSize);
    const char* className = vessel ? vessel->GetClassName() : nullptr;
    if (!className)
        return nullptr;
    for (int i = 0; i < classNameBufferSize - 1 && className[i]; ++i)
        buffer[i] = className[i];
    return buffer;
}
