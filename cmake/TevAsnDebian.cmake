# The Debian packages made by `cpack -G DEB` (the package preset; checked by
# scripts/check-package.sh with lintian), one per install component:
#   Runtime      -> libtevasnvalue1    the core library (named after its SONAME)
#   TableRuntime -> libtevasntable1    the companion library
#   Development  -> libtevasnvalue-dev headers, .so links, CMake and pkg-config
#                                      files, the usage guide, the API reference
#   Tool         -> tevasn             the tool and its manual page
#   Python       -> python3-tevasn     the Python package tevasn (when built)
# Each carries /usr/share/doc/<package>/copyright and changelog.gz; the
# library packages carry an ldconfig trigger and their symbols file
# (abi/<package>.symbols) instead of maintainer scripts. python3-tevasn ships
# no byte code: its postinst compiles it with py3compile and its prerm removes
# it with py3clean, as Debian's Python packages do, so no __pycache__ outlives it.
set(TEVASN_DEB_MAINTAINER "TevAsnValue developers <tevasnvalue@example.org>")
set(TEVASN_DEB_DIR ${PROJECT_BINARY_DIR}/debian)

if(TEVASN_DEBIAN)
  # copyright, machine-readable, around the one licence text (LICENSE).
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
  string(REGEX REPLACE "\n+$" "" licence "${licence}")
  string(REGEX MATCH "Copyright [^\n]*" holder "${licence}")
  string(REGEX REPLACE "^Copyright " "" holder "${holder}")
  # The years of the releases, from the first entry of CHANGELOG.md to this one.
  file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md releases REGEX "^## [0-9.]+ \\([0-9]+-")
  string(REGEX MATCHALL "\\(([0-9]+)-" years "${releases}")
  string(REGEX REPLACE "[(-]" "" years "${years}")
  list(SORT years)
  list(GET years 0 first)
  list(GET years -1 last)
  if(NOT first STREQUAL last)
    string(APPEND first "-${last}")
  endif()
  string(REGEX REPLACE "^[^\n]*\n\n" "" body "${licence}")
  string(REGEX REPLACE "^Copyright [^\n]*\n\n" "" body "${body}")
  string(REPLACE "\n\n" "\n.\n" body "${body}")
  string(REPLACE "\n" "\n " body "${body}")
  file(WRITE ${TEVASN_DEB_DIR}/copyright
       "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
       "Upstream-Name: TevAsnValue\n\nFiles: *\nCopyright: ${first} ${holder}\n"
       "License: BSD-3-clause\n ${body}\n")

  # changelog.gz from CHANGELOG.md, compressed as Debian wants (-9, no name or time).
  add_custom_command(
    OUTPUT ${TEVASN_DEB_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${PROJECT_SOURCE_DIR}/CHANGELOG.md
            -DOUTPUT=${TEVASN_DEB_DIR}/changelog -DVERSION=${PROJECT_VERSION}
            -DSOURCE_NAME=tevasnvalue "-DMAINTAINER=${TEVASN_DEB_MAINTAINER}"
            -P ${CMAKE_CURRENT_LIST_DIR}/TevAsnDebianChangelog.cmake
    COMMAND gzip -9nf ${TEVASN_DEB_DIR}/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${CMAKE_CURRENT_LIST_DIR}/TevAsnDebianChangelog.cmake
    VERBATIM)
  add_custom_target(tevasn_debian_changelog ALL DEPENDS ${TEVASN_DEB_DIR}/changelog.gz)

  # The API reference, registered with doc-base.
  if(TARGET tevasn_api_doc)
    set(html /usr/share/doc/${TEVASN_DEB_DEV}/html)
    file(WRITE ${TEVASN_DEB_DIR}/${TEVASN_DEB_DEV}-api
         "Document: ${TEVASN_DEB_DEV}-api\nTitle: TevAsnValue API reference\n"
         "Author: TevAsnValue developers\n"
         "Abstract: The public headers of libTevAsnValue and libTevAsnTable: the value\n"
         " interfaces, the creation functions, table rows and display functions.\n"
         "Section: Programming/C++\n\nFormat: HTML\nIndex: ${html}/index.html\n"
         "Files: ${html}/*.html\n")
    install(FILES ${TEVASN_DEB_DIR}/${TEVASN_DEB_DEV}-api
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc-base COMPONENT Development)
  endif()

  set(packages Runtime:${TEVASN_DEB_CORE} TableRuntime:${TEVASN_DEB_TABLE}
               Development:${TEVASN_DEB_DEV} Tool:${TEVASN_DEB_TOOL})
  if(TARGET _tevasn)
    list(APPEND packages Python:${TEVASN_DEB_PYTHON})
  endif()
  foreach(pair IN LISTS packages)
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 component)
    list(GET pair 1 package)
    install(FILES ${TEVASN_DEB_DIR}/copyright ${TEVASN_DEB_DIR}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
  endforeach()

  # Control files of the library packages: the ldconfig trigger and the
  # symbols file. Naming a postinst and a postrm that do not exist keeps
  # CPack from writing its own, which would call ldconfig.
  foreach(pair IN ITEMS RUNTIME:${TEVASN_DEB_CORE} TABLERUNTIME:${TEVASN_DEB_TABLE})
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 component)
    list(GET pair 1 package)
    file(WRITE ${TEVASN_DEB_DIR}/${package}/triggers "activate-noawait ldconfig\n")
    configure_file(${PROJECT_SOURCE_DIR}/abi/${package}.symbols
                   ${TEVASN_DEB_DIR}/${package}/symbols COPYONLY)
    set(CPACK_DEBIAN_${component}_PACKAGE_CONTROL_EXTRA
        ${TEVASN_DEB_DIR}/${package}/triggers ${TEVASN_DEB_DIR}/${package}/symbols
        ${TEVASN_DEB_DIR}/${package}/none/postinst ${TEVASN_DEB_DIR}/${package}/none/postrm)
  endforeach()

  if(TARGET _tevasn)
    install(FILES ${PROJECT_SOURCE_DIR}/docs/python.md
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TEVASN_DEB_PYTHON} COMPONENT Python)
    set(dir ${TEVASN_DEB_DIR}/${TEVASN_DEB_PYTHON})
    file(CONFIGURE OUTPUT ${dir}/postinst @ONLY CONTENT [=[#!/bin/sh
set -e
if command -v py3compile >/dev/null 2>&1; then
	py3compile -p @TEVASN_DEB_PYTHON@
fi
]=])
    # Without py3clean (python3-minimal half removed) the one byte-code
    # folder goes by hand.
    set(pycache ${CMAKE_INSTALL_PREFIX}/${TEVASN_INSTALL_PYTHONDIR}/tevasn/__pycache__)
    file(CONFIGURE OUTPUT ${dir}/prerm @ONLY CONTENT [=[#!/bin/sh
set -e
if command -v py3clean >/dev/null 2>&1; then
	py3clean -p @TEVASN_DEB_PYTHON@
else
	rm -rf @pycache@
fi
]=])
    set(CPACK_DEBIAN_PYTHON_PACKAGE_CONTROL_EXTRA ${dir}/postinst ${dir}/prerm)
  endif()
endif()

set(CPACK_PACKAGE_NAME "tevasnvalue")
set(CPACK_PACKAGE_VENDOR "TevAsnValue developers")
set(CPACK_PACKAGE_CONTACT "${TEVASN_DEB_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime TableRuntime Development)
if(TARGET tevasn)
  list(APPEND CPACK_COMPONENTS_ALL Tool)
endif()
if(TARGET _tevasn)
  list(APPEND CPACK_COMPONENTS_ALL Python)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# The system libraries' dependencies come from dpkg-shlibdeps, which reads
# the libraries of this build from the build folder.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(summary "one object model for the values SNMP carries")
set(about "TevAsnValue is a C++ library that gives network-management software\n\
one object model for SNMP values: INTEGER, OCTET STRING, NULL, OBJECT\n\
IDENTIFIER, IpAddress, Counter32, Gauge32, TimeTicks, Opaque, Counter64, the\n\
SNMPv2 exception values and IPv6, IPv4-with-port and IPX addresses, with their\n\
text forms and their instance-index encodings (RFC 2578 section 7.7).")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${TEVASN_DEB_CORE})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "${summary} (library)\n${about}\n\
This package holds the shared library libTevAsnValue.")

set(CPACK_DEBIAN_TABLERUNTIME_PACKAGE_NAME ${TEVASN_DEB_TABLE})
set(CPACK_DEBIAN_TABLERUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_TABLERUNTIME_DEPENDS Runtime)
set(CPACK_COMPONENT_TABLERUNTIME_DESCRIPTION
    "SNMP table rows, display hints and walk order (library)\n${about}\n\
This package holds its companion library libTevAsnTable: table rows and\n\
their index layouts (InetAddress pairs of RFC 4001 included), DISPLAY-HINTs,\n\
textual conventions, numbers wrapped in Opaque and the walk order.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME ${TEVASN_DEB_DEV})
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS Runtime TableRuntime)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "${summary} (development files)\n${about}\n\
This package holds the headers, the CMake package, the pkg-config files,\n\
the usage guide and the API reference of libTevAsnValue and libTevAsnTable.")

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME ${TEVASN_DEB_TOOL})
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION net)
set(CPACK_COMPONENT_TOOL_DEPENDS Runtime TableRuntime)
set(CPACK_COMPONENT_TOOL_DESCRIPTION "encode and decode SNMP instance identifiers\n${about}\n\
This package holds the tevasn tool, which encodes and decodes the index\n\
values of instance identifiers, sorts identifiers in walk order, shows\n\
octets by DISPLAY-HINTs and textual conventions, and shows walks of tables\n\
by name: the standard tables built in, others from MIB modules read with\n\
libsmi, with base modules of its own for the standard imports.")
if(TARGET _tevasn)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME ${TEVASN_DEB_PYTHON})
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  set(CPACK_COMPONENT_PYTHON_DEPENDS Runtime TableRuntime)
  # tevasn.Mibs reads the base MIB modules the tool's package installs.
  if(TARGET tevasn_mib)
    list(APPEND CPACK_COMPONENT_PYTHON_DEPENDS Tool)
  endif()
  # The extension is built for one interpreter version (its file name says
  # which), so the package holds to that version as dh_python3 would.
  math(EXPR tevasn_python_next "${Python_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
      "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}~), python3 (<< ${Python_VERSION_MAJOR}.${tevasn_python_next})")
  set(CPACK_COMPONENT_PYTHON_DESCRIPTION "SNMP table indexes for Python\n${about}\n\
This package holds the Python 3 package tevasn over both libraries: table\n\
rows decoded and encoded strictly, snmpwalk output split into columns and\n\
index values, DISPLAY-HINTs and textual conventions.")
endif()
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/")
include(CPack)
