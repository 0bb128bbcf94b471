/* Message boxes and debug output: both only reach the sink. */
#include "platform_sink.h"
#include "windows_subset.h"

extern "C" int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    NotifyPlatformSink("MessageBoxA", text, caption);
    return IDOK;
}

extern "C" void OutputDebugStringA(LPCSTR text)
{
    NotifyPlatformSink("OutputDebugStringA", text, "");
}
