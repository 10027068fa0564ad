# The exported symbols of LIBRARY against the Debian symbols file SYMBOLS of
# PACKAGE at VERSION: dpkg-gensymbols -c4 fails on any symbol added or gone.
# UPDATE=ON writes SYMBOLS from LIBRARY, every symbol at VERSION (right for
# the first release; after it, symbols keep the version that added them).
foreach(var DPKG_GENSYMBOLS LIBRARY SYMBOLS PACKAGE DEV_PACKAGE VERSION WORK_DIR)
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
  # dpkg-gensymbols would start from the file it writes: start afresh.
  file(REMOVE ${SYMBOLS})
  execute_process(COMMAND ${run} -O${SYMBOLS} -q RESULT_VARIABLE rc)
  # Which package a client builds against, for the dependencies dpkg-shlibdeps
  # writes from this file.
  file(READ ${SYMBOLS} text)
  string(FIND "${text}" "\n" end)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${text}" 0 ${end} header)
  string(SUBSTRING "${text}" ${end} -1 entries)
  file(WRITE ${SYMBOLS} "${header}* Build-Depends-Package: ${DEV_PACKAGE}\n${entries}")
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
