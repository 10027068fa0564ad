# Install rules and packaging: headers, the versioned shared library, a CMake
# package (TevAsnValue::TevAsnValue), a pkg-config file and the Debian package
# made by `cpack -G DEB`. Included from the top-level CMakeLists.txt when
# TEVASN_INSTALL is on.
include(CMakePackageConfigHelpers)

set(TEVASN_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/TevAsnValue
    CACHE STRING "Where the CMake package files are installed, relative to the prefix")
set(TEVASN_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    CACHE STRING "Where tevasnvalue.pc is installed, relative to the prefix")
mark_as_advanced(TEVASN_INSTALL_CMAKEDIR TEVASN_INSTALL_PKGCONFIGDIR)

# Headers go to <includedir>/TevAsnValue; the exported target and the .pc file
# add that folder to the include path, so clients write #include "TevAsnValue.h".
set(TEVASN_PUBLIC_HEADERS
  include/CTevAsnBuffer.h
  include/ITevAsnObjectID.h
  include/ITevAsnValue.h
  include/ITevAsnValueVisitor.h
  include/TevAsnHelpers.h
  include/TevAsnCatalog.h
  include/TevAsnDisplay.h
  include/TevAsnTable.h
  include/TevAsnTableExport.h
  include/TevAsnTablePtr.h
  include/TevAsnTypes.h
  include/TevAsnValue.h
  include/TevAsnValuePtr.h)
install(FILES ${TEVASN_PUBLIC_HEADERS}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/TevAsnValue COMPONENT Development)

# libTevAsnValue.so.1.0.0 and libTevAsnValue.so.1 are the run-time part; the
# plain libTevAsnValue.so namelink is for linking only. The companion library
# TevAsnTable is installed the same way, in the same package.
install(TARGETS TevAsnValue TevAsnTable EXPORT TevAsnValueTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
                NAMELINK_COMPONENT Development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)

install(EXPORT TevAsnValueTargets NAMESPACE TevAsnValue::
        DESTINATION ${TEVASN_INSTALL_CMAKEDIR} COMPONENT Development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/TevAsnValueConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/TevAsnValueConfig.cmake
                              INSTALL_DESTINATION ${TEVASN_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TevAsnValueConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TevAsnValueConfig.cmake
              ${PROJECT_BINARY_DIR}/TevAsnValueConfigVersion.cmake
        DESTINATION ${TEVASN_INSTALL_CMAKEDIR} COMPONENT Development)

# The .pc file finds its prefix from its own location, so the installed tree
# can be moved (cmake --install --prefix, DESTDIR, the Debian package).
function(tevasn_pc_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "\${prefix}/${dir}" PARENT_SCOPE)
  endif()
endfunction()
if(IS_ABSOLUTE "${TEVASN_INSTALL_PKGCONFIGDIR}")
  set(TEVASN_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH TEVASN_PC_UP "/root/${TEVASN_INSTALL_PKGCONFIGDIR}" "/root")
  string(REGEX REPLACE "/$" "" TEVASN_PC_UP "${TEVASN_PC_UP}")
  set(TEVASN_PC_PREFIX "\${pcfiledir}/${TEVASN_PC_UP}")
endif()
tevasn_pc_path(TEVASN_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
tevasn_pc_path(TEVASN_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
foreach(pc IN ITEMS tevasnvalue tevasntable)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/tevasnvalue.pc ${PROJECT_BINARY_DIR}/tevasntable.pc
        DESTINATION ${TEVASN_INSTALL_PKGCONFIGDIR} COMPONENT Development)

# The user documentation: the usage guide and the tool's manual.
foreach(doc IN ITEMS usage.md tevasn.md)
  if(EXISTS ${PROJECT_SOURCE_DIR}/docs/${doc})
    install(FILES ${PROJECT_SOURCE_DIR}/docs/${doc} DESTINATION ${CMAKE_INSTALL_DOCDIR}
            COMPONENT Development)
  endif()
endforeach()

# The licence, beside the documentation (and as the package's copyright file).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT Runtime)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# Debian package: `cpack -G DEB` from the build folder. Everything installed
# (library, development files, tools, documentation) goes into one package.
set(CPACK_PACKAGE_NAME "tevasnvalue")
set(CPACK_PACKAGE_VENDOR "TevAsnValue developers")
set(CPACK_PACKAGE_CONTACT "TevAsnValue developers <tevasnvalue@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "one object model for the values SNMP carries")
set(CPACK_PACKAGE_DESCRIPTION
    "TevAsnValue is a C++ shared library that gives network-management software\n\
one object model for SNMP values: INTEGER, OCTET STRING, NULL, OBJECT\n\
IDENTIFIER, IpAddress, Counter32, Gauge32, TimeTicks, Opaque, Counter64, the\n\
SNMPv2 exception values and IPv6, IPv4-with-port and IPX addresses, with their\n\
text forms and their instance-index encodings (RFC 2578 section 7.7).\n\
Its companion library TevAsnTable decodes and encodes whole table rows\n\
(InetAddress pairs of RFC 4001 included) and orders identifiers as a walk does.\n\
This package holds the shared library, the headers, the CMake package,\n\
the pkg-config file and the usage guide.")
if(TARGET tevasn)
  string(APPEND CPACK_PACKAGE_DESCRIPTION
         "\nThe tevasn tool encodes and decodes the index values of instance\n\
identifiers on the command line.")
endif()
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "libdevel")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# The run-time dependencies come from dpkg-shlibdeps (package dpkg-dev) when
# it is there, otherwise from this list (what it finds for a g++ 12 build).
find_program(TEVASN_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(TEVASN_DPKG_SHLIBDEPS)
if(TEVASN_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.14), libgcc-s1 (>= 3.0), libstdc++6 (>= 5.2)")
endif()
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/")
include(CPack)
