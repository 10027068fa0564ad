# The Debian build flags (dpkg-buildflags: hardening with fortified functions,
# stack protector, relro and bindnow) on everything this project builds.
find_program(TEVASN_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
mark_as_advanced(TEVASN_DPKG_BUILDFLAGS)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${TEVASN_DPKG_BUILDFLAGS} --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  if(kind STREQUAL "LDFLAGS")
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
endforeach()
