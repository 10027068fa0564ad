# Shared part of the mingw-w64 toolchains; TEVASN_MINGW_TRIPLE names the target.
# The posix thread model compilers are used (Debian's *-posix alternatives).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TEVASN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TEVASN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TEVASN_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TEVASN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link libgcc, libstdc++ and winpthread statically, so that the DLL and the
# programs need nothing beyond the system DLLs of Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)
