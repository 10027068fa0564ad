# 64-bit Windows with Debian's mingw-w64 cross compilers. Programs run under
# wine through cmake/wine-run.sh, with a private wine prefix in the build tree.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TEVASN_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)

find_program(TEVASN_WINE NAMES wine wine64 wine-stable)
if(TEVASN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh
                                    ${CMAKE_BINARY_DIR}/wineprefix)
else()
  message(WARNING "wine not found: the test programs cannot run (Debian: wine wine64)")
endif()
