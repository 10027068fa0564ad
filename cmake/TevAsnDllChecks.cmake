# Windows builds: a test that reads the DLL's export and import tables.
if(NOT WIN32)
  return()
endif()

enable_testing()
set(_tevasn_objdump ${CMAKE_OBJDUMP})
if(NOT _tevasn_objdump)
  find_program(_tevasn_objdump NAMES ${TEVASN_MINGW_TRIPLE}-objdump objdump REQUIRED)
endif()
find_program(TEVASN_CXXFILT NAMES ${TEVASN_MINGW_TRIPLE}-c++filt c++filt REQUIRED)
add_test(NAME dll_exports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${_tevasn_objdump} -DCXXFILT=${TEVASN_CXXFILT}
                 -DDLL=$<TARGET_FILE:TevAsnValue>
                 -DMAP=${PROJECT_SOURCE_DIR}/cmake/TevAsnValue.map
                 -P ${CMAKE_CURRENT_LIST_DIR}/CheckDllExports.cmake)
# The companion DLL: its own exports; besides the system it imports the core.
add_test(NAME dll_exports_table
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${_tevasn_objdump} -DCXXFILT=${TEVASN_CXXFILT}
                 -DDLL=$<TARGET_FILE:TevAsnTable>
                 -DMAP=${PROJECT_SOURCE_DIR}/cmake/TevAsnTable.map
                 -DALLOWED_IMPORTS=TevAsnValue.dll
                 -P ${CMAKE_CURRENT_LIST_DIR}/CheckDllExports.cmake)
