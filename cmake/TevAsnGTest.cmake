# GoogleTest for the test suites. Native builds use the installed package;
# cross builds (32-bit, Windows) compile it from Debian's googletest sources
# with the target's compilers, since the installed libraries are for the host.
option(TEVASN_GTEST_FROM_SOURCE "Build GoogleTest from its sources" ${CMAKE_CROSSCOMPILING})
set(TEVASN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")

if(TEVASN_GTEST_FROM_SOURCE AND NOT TARGET GTest::gtest_main)
  if(NOT EXISTS ${TEVASN_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${TEVASN_GTEST_SOURCE_DIR} "
                        "(Debian: apt-get install googletest)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "Install GoogleTest with this project")
  add_subdirectory(${TEVASN_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest
                   EXCLUDE_FROM_ALL SYSTEM)
  # The names find_package(GTest) gives (newer GoogleTest defines them itself).
  foreach(lib gtest gtest_main gmock gmock_main)
    if(TARGET ${lib} AND NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
endif()
