# 32-bit Windows with Debian's mingw-w64 cross compilers. No emulator: 32-bit
# Windows programs need wine32, which is not available here, so this build is
# checked by building it and inspecting the DLL.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TEVASN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
