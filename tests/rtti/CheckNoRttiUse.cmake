# Fails when the library's sources use run-time type information. The library
# is compiled with it only so that a client's UBSan vptr check can follow its
# objects; its own casts go through query_class.
# Run with -DSOURCE_DIR=<src folder>.
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(file IN LISTS files)
  file(STRINGS ${SOURCE_DIR}/${file} lines
       REGEX "(^|[^A-Za-z0-9_])(dynamic_cast|typeid)([^A-Za-z0-9_]|$)")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(APPEND faults "\n  src/${file}: ${line}")
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "run-time type information used (use query_class):${faults}")
endif()
list(LENGTH files count)
message(STATUS "no dynamic_cast or typeid in ${count} library sources")
