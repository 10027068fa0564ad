# Unpacks the old client (FIXTURE, abi/old-client.tar.xz) into WORK_DIR,
# builds it against the libraries under test (CORE, TABLE) and runs it; with
# UPDATE=ON writes FIXTURE from SOURCE_DIR instead (the headers and the
# client-side test suites of this tree, with the files the build generates
# for them from GENERATED_DIR).
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/TevAsnScriptStep.cmake)
tev_require(FIXTURE WORK_DIR)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/tree)
if(UPDATE)
  # net-snmp's headers are not on every machine: that test stays out.
  file(GLOB headers ${SOURCE_DIR}/include/*.h)
  file(COPY ${headers} DESTINATION ${WORK_DIR}/tree/include)
  foreach(dir client table support)
    file(COPY ${SOURCE_DIR}/tests/${dir} DESTINATION ${WORK_DIR}/tree
         FILES_MATCHING PATTERN "*.cpp" PATTERN "*.h" PATTERN "NetSnmp*" EXCLUDE)
  endforeach()
  file(COPY ${GENERATED_DIR}/ DESTINATION ${WORK_DIR}/tree/generated)
  # The same bytes for the same tree: sorted, no times or owners.
  tev_step("packing" tar --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner
      -C ${WORK_DIR}/tree -cJf ${FIXTURE} include client table support generated)
  message(STATUS "wrote ${FIXTURE}")
  return()
endif()

tev_require(SOURCE_DIR CORE TABLE GENERATOR CXX)
tev_step("unpacking" ${CMAKE_COMMAND} -E chdir ${WORK_DIR}/tree ${CMAKE_COMMAND} -E tar xf ${FIXTURE})
tev_step("configure" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/abi/old-client -B ${WORK_DIR}/build
    -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX} -DOLD_TREE=${WORK_DIR}/tree
    -DCORE=${CORE} -DTABLE=${TABLE})
tev_step("build" ${CMAKE_COMMAND} --build ${WORK_DIR}/build)
tev_step("the old client" ${WORK_DIR}/build/tev_old_client --gtest_brief=1)
string(REGEX MATCH "\\[  PASSED  \\] [0-9]+ tests?" passed "${output}")
message(STATUS "old client against these libraries: ${passed}")
