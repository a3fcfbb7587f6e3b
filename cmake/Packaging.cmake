# Debian packages, one per install component (cpack -G DEB in the build
# directory):
#   libpromocionesqex5            the library, the SQLite extension, the
#                                 schema scripts, the Python binding
#   libpromocionesqex-dev         headers, CMake package, pkg-config file
#   promociones                   the command-line tool
#   libpromocionesqex-ventanas5   the capture windows (Qt 6), when built
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME promocionesqex)
set(CPACK_PACKAGE_VENDOR Quentrix)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quentrix <soporte@quentrix.mx>")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The tool and the windows need libpromocionesQEX.so.5 of the runtime
# package: dpkg-shlibdeps finds it in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/src)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_COMPONENTS_ALL runtime dev tool)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libpromocionesqex${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libpromocionesqex-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME promociones)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_COMPONENT_TOOL_DEPENDS runtime)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "promocionesQEX: which promotions a sale earns, global-discount documents")
set(CPACK_COMPONENT_DEV_DESCRIPTION
  "promocionesQEX: C and C++ headers, CMake package and pkg-config file")
set(CPACK_COMPONENT_TOOL_DESCRIPTION
  "promociones: the command-line host of promocionesQEX")
if(TARGET promocionesQEX_ventanas)
  list(APPEND CPACK_COMPONENTS_ALL ventanas)
  set(CPACK_DEBIAN_VENTANAS_PACKAGE_NAME
    libpromocionesqex-ventanas${PROJECT_VERSION_MAJOR})
  set(CPACK_COMPONENT_VENTANAS_DEPENDS runtime)
  set(CPACK_COMPONENT_VENTANAS_DESCRIPTION
    "promocionesQEX: the capture windows (Qt 6 Widgets)")
endif()

include(CPack)
