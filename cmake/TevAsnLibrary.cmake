# tevasn_add_objects(NAME SOURCES...): the object library NAMEObjects, built
# as every library of the project is (hidden, no exceptions, includes from src/).
function(tevasn_add_objects name)
  add_library(${name}Objects OBJECT ${ARGN})
  set_target_properties(${name}Objects PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${name}Objects PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>)
  if(NOT MSVC)
    target_compile_options(${name}Objects PRIVATE -fno-exceptions)
  endif()
  target_link_libraries(${name}Objects PRIVATE tevasn_warnings)
endfunction()

# tevasn_add_library(NAME SOURCES...): the shared library NAME (alias
# TevAsnValue::NAME) from an object library NAMEObjects, which the unit, fuzz
# and allocation-failure tests link directly. Both libraries of the project
# are built alike: hidden visibility with an export list of their own
# (cmake/NAME.map on Linux: hidden visibility alone still exports template
# instances of the standard headers), no exceptions (allocation failure is a
# code), type information on so that a client's UBSan vptr check follows the
# objects (the code itself uses none: tests/rtti), and includes written from
# src/ so that every folder crossing shows.
function(tevasn_add_library name building_define)
  tevasn_add_objects(${name} ${ARGN})
  target_compile_definitions(${name}Objects PRIVATE ${building_define})
  # g++ describes a class with virtual functions only where its virtual table
  # is, and the library holds none of the interfaces clients implement (the
  # visitor): describe every class used, so the ABI baseline (tests/abi)
  # covers them all.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${name}Objects PRIVATE -femit-class-debug-always)
  endif()

  add_library(${name} SHARED $<TARGET_OBJECTS:${name}Objects> $<TARGET_OBJECTS:TevAsnBaseObjects>)
  add_library(TevAsnValue::${name} ALIAS ${name})
  set_target_properties(${name} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  if(WIN32)
    set_target_properties(${name} PROPERTIES PREFIX "" RUNTIME_OUTPUT_NAME ${name})
  elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    target_link_options(${name} PRIVATE
                        -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/${name}.map)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS
                 ${PROJECT_SOURCE_DIR}/cmake/${name}.map)
  endif()
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/TevAsnValue>)
endfunction()

# tevasn_add_base(NAME SOURCES...): the object library NAMEObjects of the
# value-free helpers (src/base/) that each shared library links in, hidden
# like the rest; the unit, fuzz and allocation-failure tests link it once.
function(tevasn_add_base name)
  tevasn_add_objects(${name} ${ARGN})
endfunction()
