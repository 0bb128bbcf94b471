# The stand-in's definition file on Windows: each function that stands in for
# the system's is defined as StandIn<name> (emulator/windows/standin_names.h)
# and exported under the system's name. Where __stdcall decorates names
# (32-bit), that is the decorated name the callers import.
set(STANDIN_FUNCTIONS  # name, then the bytes of its arguments
  MessageBoxA 16 OutputDebugStringA 4 TextOutA 20 ExitProcess 4 LoadLibraryA 4 GetProcAddress 8 FreeLibrary 4
  GetModuleHandleExA 12)
set(definitions "EXPORTS\n    SetPlatformSink\n")
while(STANDIN_FUNCTIONS)
  list(POP_FRONT STANDIN_FUNCTIONS name bytes)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    string(APPEND definitions "    ${name}@${bytes}=StandIn${name}@${bytes}\n")
  else()
    string(APPEND definitions "    ${name}=StandIn${name}\n")
  endif()
endwhile()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/winapi_standin.def "${definitions}")
target_sources(winapi_standin PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/winapi_standin.def)
