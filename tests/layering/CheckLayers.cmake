# Fails when a source folder includes a folder it must not. Each folder of src/
# names the folders its include lines may reach (besides its own, the public
# headers of include/ and the system's headers):
#   base/                         nothing else (value-free helpers of both libraries)
#   framework/                    base/ (the base of every value class)
#   scalar/, octets/, oid/        framework/, base/ (value classes never meet directly)
#   api/                          every value folder (the creation functions)
#   table/, display/              base/ only: the core through its public interface,
#                                 and each other not at all
#   catalog/                      base/ only: the public interface, no rows or display
# Run with -DSOURCE_DIR=<src folder>.
set(allowed_base "")
set(allowed_framework base)
set(allowed_scalar framework base)
set(allowed_octets framework base)
set(allowed_oid framework base)
set(allowed_api framework scalar octets oid base)
set(allowed_table base)
set(allowed_display base)
set(allowed_catalog base)

file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(faults "")
foreach(folder IN LISTS folders)
  if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder})
    continue()
  endif()
  if(NOT DEFINED allowed_${folder})
    string(APPEND faults "\n  src/${folder}/ is a folder with no layering rule")
    continue()
  endif()
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h
       ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" target "${line}")
      if(NOT target MATCHES "/")
        # A bare name must be a public header, never a sibling reached
        # through an extra include path.
        if(NOT EXISTS ${SOURCE_DIR}/../include/${target})
          string(APPEND faults "\n  ${file}: \"${target}\" is not a public header; "
                 "write internal includes from src/")
        endif()
        continue()
      endif()
      string(REGEX REPLACE "/.*$" "" reached "${target}")
      if(reached STREQUAL folder)
        continue()
      endif()
      list(FIND allowed_${folder} ${reached} found)
      if(found EQUAL -1)
        string(APPEND faults "\n  ${file}: includes \"${target}\" (${folder}/ must not reach ${reached}/)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "layering faults:${faults}")
endif()
message(STATUS "layering: every include follows the folder rules")
