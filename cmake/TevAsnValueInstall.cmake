# Install rules: headers, the two versioned shared libraries, a
# CMake package (TevAsnValue::TevAsnValue), the pkg-config files, the
# documentation. Included from the top-level CMakeLists.txt when TEVASN_INSTALL
# is on; the Debian packages (cmake/TevAsnDebian.cmake) are set up at its end,
# once every component's install rules exist.
include(CMakePackageConfigHelpers)

set(TEVASN_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/TevAsnValue
    CACHE STRING "Where the CMake package files are installed, relative to the prefix")
set(TEVASN_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    CACHE STRING "Where tevasnvalue.pc is installed, relative to the prefix")
mark_as_advanced(TEVASN_INSTALL_CMAKEDIR TEVASN_INSTALL_PKGCONFIGDIR)

# Headers go to <includedir>/TevAsnValue; the exported target and the .pc file
# add that folder to the include path, so clients write #include "TevAsnValue.h".
file(GLOB TEVASN_PUBLIC_HEADERS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/include/*.h)
install(FILES ${TEVASN_PUBLIC_HEADERS}
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/TevAsnValue COMPONENT Development)

# Each library is a package of its own (Debian names it after the SONAME):
# libTevAsnValue.so.1.0.0 and libTevAsnValue.so.1 are its run-time part, the
# plain libTevAsnValue.so namelink is for linking only (Development).
install(TARGETS TevAsnValue EXPORT TevAsnValueTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime
                NAMELINK_COMPONENT Development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
install(TARGETS TevAsnTable EXPORT TevAsnValueTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT TableRuntime
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT TableRuntime
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

# The Debian packages, as `cpack -G DEB` makes them from the build folder
# (cmake/TevAsnDebian.cmake): names, control fields, the files Debian asks
# for in /usr/share/doc.
set(TEVASN_DEB_CORE libtevasnvalue${PROJECT_VERSION_MAJOR})
set(TEVASN_DEB_TABLE libtevasntable${PROJECT_VERSION_MAJOR})
set(TEVASN_DEB_DEV libtevasnvalue-dev)
set(TEVASN_DEB_TOOL tevasn)
set(TEVASN_DEB_PYTHON python3-tevasn)

# The user documentation (the usage guide, the tool's manual and the API
# reference) goes with the headers, the licence beside it.
set(TEVASN_DEV_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TEVASN_DEB_DEV})
install(FILES ${PROJECT_SOURCE_DIR}/docs/usage.md ${PROJECT_SOURCE_DIR}/docs/tevasn.md
        DESTINATION ${TEVASN_DEV_DOCDIR} COMPONENT Development)
if(TARGET tevasn_api_doc)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/api/html/ DESTINATION ${TEVASN_DEV_DOCDIR}/html
          COMPONENT Development)
endif()
if(NOT TEVASN_DEBIAN)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${TEVASN_DEV_DOCDIR}
          COMPONENT Development)
endif()
