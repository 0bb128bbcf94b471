# 32-bit Windows, compiled only: the host's 32-bit interface is checked at
# compile time and the DLLs' export tables by reading them. No emulator: the
# 32-bit wine cannot be installed beside the 64-bit one on this machine.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
