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

void NotifyPlatformSink(const char* function, const char* text, const char* detail)
{
    if (currentSink)
        currentSink(function, text ? text : "", detail ? detail : "", sinkContext);
}
