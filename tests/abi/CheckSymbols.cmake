# The exported symbols of LIBRARY against the Debian symbols file SYMBOLS of
# PACKAGE at VERSION: dpkg-gensymbols -c4 fails on any symbol added or gone.
# UPDATE=ON writes SYMBOLS from LIBRARY (every symbol at VERSION).
foreach(var DPKG_GENSYMBOLS LIBRARY SYMBOLS PACKAGE VERSION WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
# dpkg-gensymbols reads the library from a package tree.
file(REMOVE_RECURSE ${WORK_DIR})
get_filename_component(name ${LIBRARY} NAME)
file(COPY ${LIBRARY} DESTINATION ${WORK_DIR}/usr/lib)
set(run ${DPKG_GENSYMBOLS} -p${PACKAGE} -v${VERSION} -P${WORK_DIR} -e${WORK_DIR}/usr/lib/${name})
if(UPDATE)
  execute_process(COMMAND ${run} -O${SYMBOLS} -q RESULT_VARIABLE rc)
else()
  execute_process(COMMAND ${run} -I${SYMBOLS} -O${WORK_DIR}/symbols -c4
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${name}: the exports differ from ${SYMBOLS}\n"
                      "(update it with scripts/update-abi-baseline.sh)\n${out}")
endif()
if(UPDATE)
  message(STATUS "wrote ${SYMBOLS}")
else()
  message(STATUS "${name}: exports as in ${SYMBOLS}")
endif()
