/* The stand-in tells the emulated host of every platform call worth
 * watching: libraries loaded, looked up and released, debug output, and
 * message boxes, which never block and are answered with OK at once. */
#ifndef BRIMSTAR_EMULATOR_WINDOWS_PLATFORM_SINK_H
#define BRIMSTAR_EMULATOR_WINDOWS_PLATFORM_SINK_H

typedef void (*PlatformSink)(const char* function, const char* text, const char* detail, void* context);

extern "C" void SetPlatformSink(PlatformSink sink, void* context);

/* Passes a call on to the sink; false when no sink is set. */
bool NotifyPlatformSink(const char* function, const char* text, const char* detail);

#endif
