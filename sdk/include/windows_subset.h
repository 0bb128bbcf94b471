/* The Windows functions and types the module and the collision library use.
 *
 * On Windows this is <windows.h> itself; a build for the emulated host links
 * the host's stand-in ahead of the system's libraries, which records the
 * library calls and keeps message boxes and text inside the host. Elsewhere
 * that stand-in implements the same names on POSIX: libraries through dlopen
 * (GetModuleHandleExA only for an address inside a library),
 * message boxes into a recorder, TextOutA into a text canvas.
 */
#ifndef BRIMSTAR_SDK_WINDOWS_SUBSET_H
#define BRIMSTAR_SDK_WINDOWS_SUBSET_H

#include <cstdint>

#if defined(_WIN32)

// Without the min and max macros, which would hide std::min and std::max.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#else

#define WINAPI_STANDIN __attribute__((visibility("default")))

#define WINAPI
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef unsigned int UINT;
typedef void* LPVOID;
typedef const char* LPCSTR;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t INT_PTR;

typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HWND__* HWND;
typedef struct HDC__* HDC;
typedef std::intptr_t (*FARPROC)();

#define TRUE 1
#define FALSE 0

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x00000001u
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x00000002u
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x00000004u

#define MB_OK 0x00000000u
#define IDOK 1

extern "C" {
WINAPI_STANDIN HMODULE LoadLibraryA(LPCSTR fileName);
WINAPI_STANDIN FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
WINAPI_STANDIN BOOL FreeLibrary(HMODULE module);
WINAPI_STANDIN BOOL GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module);
WINAPI_STANDIN int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
WINAPI_STANDIN void OutputDebugStringA(LPCSTR text);
WINAPI_STANDIN BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length);
/* Ends the process at once: nothing is saved and nothing after it runs. The
 * POSIX stand-in cannot end a test's process, so it tells the emulated host,
 * which ends its run instead (no more steps, nothing saved) and lets the
 * call return: its caller must return at once. With no host listening it
 * does end the process. */
WINAPI_STANDIN void ExitProcess(UINT exitCode);
}

#endif

#endif
