/* The text is never used as a format: a caller's stray conversion would
 * read arguments that were never passed. Only the one conversion a caller
 * may use, the doubled percent sign, is honoured. */
#include "debug_print.h"

#include "host/host_api.h"

extern "C" int SvcDebugPrint(const char* text)
{
    if (!text)
        return 0;
    char* line = oapiDebugString();
    int written = 0;
    for (const char* c = text; *c && written < OAPI_DEBUG_STRING_SIZE - 1; ++c) {
        if (c[0] == '%' && c[1] == '%')
            ++c;
        line[written++] = *c;
    }
    line[written] = '\0';
    return written;
}
