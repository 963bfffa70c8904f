# SPDX-License-Identifier: MIT
# Debian packages of the installed components: `cpack -G DEB` in the build folder makes
#   gravilo                   the program, its language files, desktop entry, metainfo and icons
#   libgravilo-<part>1        a component library each (chart, scale, numeric, toolkit, common,
#                             messaging, translation, hostlink), named after its soname
#   libgravilo-dev            the public headers, the names to link against, the CMake package,
#                             the pkg-config files and the examples
#   gravilo-designer-plugin   the Qt Designer plugin
#   qml6-module-gravilo-charts  the QML module Gravilo.Charts (when Qt Quick is there), named as
#                             Debian names its QML modules
#   libgravilo-doc            the reference manual (when Doxygen is there)
# The packages of the libraries depend on those of the libraries below them, the developers'
# package on all of them, the plugin and the QML module on the chart's, the scale's and the numeric label's, each
# of the same version; the program carries the components in itself and needs no library of them. What each needs of the system is
# computed from the binaries (dpkg-shlibdeps).
# Each package carries its copyright file and the changelog in share/doc/<package>; a plain
# `cmake --install` leaves them out. Every package has its own synopsis: CPack would put the
# project's summary in front of each one, so that is left unset.
set(GRAVILO_PACKAGE_MAINTAINER "Gravilo developers <gravilo@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian packages: name <address>")
set(CPACK_PACKAGE_NAME gravilo)
set(CPACK_PACKAGE_VENDOR "Gravilo")
set(CPACK_PACKAGE_CONTACT ${GRAVILO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}.0)
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL gravilo ${GRAVILO_LIBRARY_COMPONENTS} development)
if(TARGET gravilo-designer)
  list(APPEND CPACK_COMPONENTS_ALL designer)
endif()
if(TARGET gravilo-charts-qml)
  list(APPEND CPACK_COMPONENTS_ALL quick)
endif()
if(TARGET manual)
  list(APPEND CPACK_COMPONENTS_ALL manual)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# a shlibs file for each package of a library (only they hold libraries with a soname); CPack
# also has them call ldconfig from postinst and postrm, and dpkg's ldconfig trigger is ours
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# the libraries' own names, so that shlibdeps needs no package of them installed
get_property(gravilo_libraries GLOBAL PROPERTY GRAVILO_LIBRARIES)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "")
foreach(library ${gravilo_libraries})
  get_target_property(library_dir ${library} BINARY_DIR)
  list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${library_dir})
endforeach()

set(CPACK_DEBIAN_GRAVILO_PACKAGE_NAME gravilo)
set(CPACK_DEBIAN_GRAVILO_PACKAGE_SECTION science)
# Arial and Courier New of the windows' design; Arabic from DejaVu Sans, Chinese and Japanese from Noto
set(CPACK_DEBIAN_GRAVILO_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_COMPONENT_GRAVILO_DESCRIPTION "Potential energy in a gravitational field, a teaching simulation
A mass hangs on a rope over a pulley: pull the rope to lift it, choose the
mass and the celestial body, and read the potential energy E = m g h while a
chart collects energy against height. Texts in Arabic, Chinese (simplified),
Dutch, English, French, German, Italian, Japanese, Polish, Portuguese (Brazil),
Spanish, Turkish and Ukrainian.")

# a package for each library, named after its soname as Debian's policy asks (libgravilo-chart.so.1
# in libgravilo-chart1), depending on the packages of the libraries it builds on; each takes the
# place of the one package all libraries were in before
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
foreach(library ${gravilo_libraries})
  string(REGEX REPLACE "^gravilo_" "" part ${library})
  string(TOUPPER libraries_${part} upper)
  set(package libgravilo-${part}${PROJECT_VERSION_MAJOR})
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
  set(CPACK_DEBIAN_${upper}_PACKAGE_SECTION libs)
  set(CPACK_DEBIAN_${upper}_PACKAGE_BREAKS "libgravilo1")
  set(CPACK_DEBIAN_${upper}_PACKAGE_REPLACES "libgravilo1")
  get_target_property(deps ${library} GRAVILO_DEPS)
  list(FILTER deps INCLUDE REGEX "^gravilo_")
  list(TRANSFORM deps REPLACE "^gravilo_" "libraries_")
  set(CPACK_COMPONENT_${upper}_DEPENDS ${deps})
  set(CPACK_COMPONENT_${upper}_DESCRIPTION "Gravilo components: ${GRAVILO_PC_DESCRIPTION_${part}}
One of the Gravilo components, Qt widgets and objects for teaching programs:
the chart TPlotica with sixteen layers and embedded axes, the axis scale
TScale, the framed numeric label TNumora, the translation dictionary
TGlossator and the host link TqmrDemonClient. This package holds
libgravilo-${part}.so.${PROJECT_VERSION_MAJOR}.")
  # (CPack names a control file after its file)
  configure_file(${PROJECT_SOURCE_DIR}/dist/libgravilo.triggers ${CMAKE_BINARY_DIR}/dist/${package}/triggers COPYONLY)
  set(CPACK_DEBIAN_${upper}_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/dist/${package}/triggers)
endforeach()
set(common_package libgravilo-common${PROJECT_VERSION_MAJOR})
configure_file(${PROJECT_SOURCE_DIR}/dist/libgravilo-common.lintian-overrides
               ${CMAKE_BINARY_DIR}/dist/${common_package}.lintian-overrides @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${common_package}.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${common_package}
        COMPONENT libraries_common EXCLUDE_FROM_ALL)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libgravilo-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.2)")
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS ${GRAVILO_LIBRARY_COMPONENTS})
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "Gravilo components: development files
Public headers under include/gravilo and the CMake package
GraviloComponents: find_package(GraviloComponents 1.0 REQUIRED) gives
Gravilo::Chart and its companions.")

set(CPACK_DEBIAN_MANUAL_PACKAGE_NAME libgravilo-doc)
set(CPACK_DEBIAN_MANUAL_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_MANUAL_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_MANUAL_PACKAGE_SHLIBDEPS OFF)
set(CPACK_COMPONENT_MANUAL_DESCRIPTION "Gravilo components: reference manual
The reference manual of the Gravilo components in HTML, under
/usr/share/doc/libgravilo-doc/html: every public class and function, a page
for each component with its pictures, and three tutorials.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME gravilo-designer-plugin)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SUGGESTS "designer-qt6")
set(CPACK_COMPONENT_DESIGNER_DEPENDS libraries_chart libraries_scale libraries_numeric)
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION "Gravilo components in Qt Designer
TPlotica, TScale and TNumora in the widget box's group Gravilo, with their
published properties in the property editor.")

set(CPACK_DEBIAN_QUICK_PACKAGE_NAME qml6-module-gravilo-charts)
set(CPACK_DEBIAN_QUICK_PACKAGE_SECTION libs)
# the items are Qt Quick items: `import QtQuick` beside `import Gravilo.Charts`
set(CPACK_DEBIAN_QUICK_PACKAGE_DEPENDS "qml6-module-qtquick")
set(CPACK_COMPONENT_QUICK_DEPENDS libraries_chart libraries_scale libraries_numeric)
set(CPACK_COMPONENT_QUICK_DESCRIPTION "Gravilo components in Qt Quick: the QML module Gravilo.Charts
Plotica, Scale and Numora, the chart TPlotica, the axis scale TScale and the
framed numeric label TNumora as QML items (import Gravilo.Charts), with their
published properties, the chart's display list filled from JavaScript and pan
and zoom with the mouse. A program that uses them needs a QApplication.")

set(GRAVILO_DEB_VERSION ${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
string(TIMESTAMP GRAVILO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/dist/changelog.Debian.in ${CMAKE_BINARY_DIR}/dist/changelog.Debian @ONLY)
gravilo_gzip(${CMAKE_BINARY_DIR}/dist/changelog.Debian ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz)
foreach(component ${CPACK_COMPONENTS_ALL})
  string(TOUPPER ${component} upper)
  install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${upper}_PACKAGE_NAME}
          COMPONENT ${component} EXCLUDE_FROM_ALL)
endforeach()

include(CPack)
