#include "platform_sink.h"

namespace {

PlatformSink currentSink;
void* sinkContext;

}  // namespace

void SetPlatformSink(PlatformSink sink, void* context)
{
    currentSink = sink;
    sinkContext = context;
}

bool NotifyPlatformSink(const char* function, const char* text, const char* detail)
{
    if (!currentSink)
        return false;
    currentSink(function, text ? text : "", detail ? detail : "", sinkContext);
    return true;
}
