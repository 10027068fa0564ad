# Configures, builds and runs the client project in SOURCE_DIR against the
# tree installed in PREFIX, finding the library through MODE: "cmake"
# (find_package with CMAKE_PREFIX_PATH) or "pkg-config" (PKG_CONFIG_PATH).
# Runs both clients with no library search path of the environment: each finds
# the libraries by its own RUNPATH (CMake writes it, with the prefix's library
# folder), the companion finds the core beside it. Fails unless they print
# what is expected.
set(expected_tevasn_consumer "1.3.6.1.2.1.4.20.1.1.192.168.1.10
walk order 3
column 3: ipv4	10.0.0.1")
set(expected_tevasn_companion_consumer "walk order 3
mac 00:0c:29:01:02:03")

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/TevAsnScriptStep.cmake)

file(REMOVE_RECURSE ${BINARY_DIR})
set(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=${CONFIG} -DTEVASN_CONSUMER_MODE=${MODE}
    "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}")
if(MODE STREQUAL "cmake")
  # Only the temporary prefix may provide the package: not the build tree,
  # not the user package registry.
  tev_step("configure" ${configure} -DCMAKE_PREFIX_PATH=${PREFIX}
      -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
elseif(MODE STREQUAL "pkg-config")
  if(NOT PKG_CONFIG)
    message(FATAL_ERROR "pkg-config is not installed")
  endif()
  tev_step("configure" ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${PREFIX}/${LIBDIR}/pkgconfig
      ${configure} -DPKG_CONFIG_EXECUTABLE=${PKG_CONFIG})
else()
  message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()
tev_step("build" ${CMAKE_COMMAND} --build ${BINARY_DIR} --config ${CONFIG})

foreach(name IN ITEMS tevasn_consumer tevasn_companion_consumer)
  find_program(client ${name} PATHS ${BINARY_DIR} ${BINARY_DIR}/${CONFIG} NO_DEFAULT_PATH NO_CACHE)
  if(NOT client)
    message(FATAL_ERROR "${name} was not built in ${BINARY_DIR}")
  endif()
  tev_step("${name}" ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ${client})
  string(STRIP "${output}" output)
  if(NOT output STREQUAL expected_${name})
    message(FATAL_ERROR "${name} printed\n  ${output}\ninstead of\n  ${expected_${name}}")
  endif()
  string(REPLACE "\n" "; " output "${output}")
  message(STATUS "${MODE}, ${name}: ${output}")
  unset(client)
endforeach()
