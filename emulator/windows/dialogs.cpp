/* Message boxes and debug output: both only reach the sink. */
#include "platform_sink.h"
#include "standin_names.h"
#include "windows_subset.h"

extern "C" int WINAPI STANDIN(MessageBoxA)(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    NotifyPlatformSink("MessageBoxA", text, caption);
    return IDOK;
}

extern "C" void WINAPI STANDIN(OutputDebugStringA)(LPCSTR text)
{
    NotifyPlatformSink("OutputDebugStringA", text, "");
}
