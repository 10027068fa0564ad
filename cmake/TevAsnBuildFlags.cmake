# The Debian build flags with every hardening feature (dpkg-buildflags with
# hardening=+all: fortified functions, stack protector, PIE, relro and
# bindnow) on everything this project builds.
find_program(TEVASN_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
mark_as_advanced(TEVASN_DPKG_BUILDFLAGS)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${TEVASN_DPKG_BUILDFLAGS} --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  if(kind STREQUAL "LDFLAGS")
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
endforeach()

# Stripped as Debian strips (dh_strip): no symbol table, no .comment or .note.
if(CMAKE_STRIP AND NOT CMAKE_STRIP MATCHES "/debian/strip$")
  set(TEVASN_STRIP ${CMAKE_STRIP} CACHE INTERNAL "The strip the Debian strip wraps")
endif()
file(WRITE ${PROJECT_BINARY_DIR}/debian/strip
     "#!/bin/sh\nexec '${TEVASN_STRIP}' --remove-section=.comment --remove-section=.note "
     "--strip-unneeded \"$@\"\n")
file(CHMOD ${PROJECT_BINARY_DIR}/debian/strip FILE_PERMISSIONS OWNER_READ OWNER_WRITE
     OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_STRIP ${PROJECT_BINARY_DIR}/debian/strip)
