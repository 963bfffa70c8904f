# SPDX-License-Identifier: MIT
# Gravilo as a user installs it:
#   cmake --install build --prefix P   puts
#     P/bin/gravilo                                   the program
#     P/share/gravilo/lang/gravilo_*.itl              every language file in lang/
#     P/share/metainfo/io.github.gravilo.Gravilo.metainfo.xml  what software centres show of it
#     P/share/applications/io.github.gravilo.Gravilo.desktop  the desktop entry
#     P/share/man/man1/gravilo.1.gz                   the manual page
#     P/share/icons/hicolor/NxN/apps/gravilo.png      the icon, 16 to 256 pixels
#     P/LIB/libgravilo-*.so.1                         the component libraries (the program has them in itself)
#   and for developers
#     P/include/gravilo/*.h                           the components' public headers
#     P/LIB/libgravilo-*.so                           the names to link against
#     P/LIB/cmake/GraviloComponents/                  the CMake package GraviloComponents
#     P/LIB/pkgconfig/gravilo-*.pc                    the same for pkg-config
#     P/LIB/qt6/plugins/designer/                     the Qt Designer plugin
#     P/LIB/qt6/qml/Gravilo/Charts/                   the QML module Gravilo.Charts (quick/)
#     P/share/doc/libgravilo-dev/examples/            the example programs, to build on their own
# (LIB is lib/<multiarch>, lib/x86_64-linux-gnu on Debian: Gravilo.cmake). Each file belongs to one of the components
# gravilo, libraries_<part> (one a library), development, designer and quick, one Debian package each
# (Packaging.cmake).
# The build tree runs as it is: build/app/gravilo finds the language files in build/lang, as an
# installed program finds them in share/gravilo/lang.
include(GNUInstallDirs)

# gravilo_gzip(<file> <copy>): a copy compressed as Debian keeps documents, gzip -9n (no name or
# time inside, so the same file gives the same bytes); made again when <file> changes.
function(gravilo_gzip source target)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  get_filename_component(folder ${target} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND gzip -9n --stdout ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(GRAVILO_LANG_DIR ${PROJECT_SOURCE_DIR}/lang)
set(GRAVILO_ICON_SIZES 16 22 24 32 48 64 128 256)

# every language file in lang/: a new one needs no line here
file(GLOB GRAVILO_LANGUAGE_FILES CONFIGURE_DEPENDS ${GRAVILO_LANG_DIR}/gravilo_*.itl)
if(TARGET gravilo)
  foreach(file ${GRAVILO_LANGUAGE_FILES})
    get_filename_component(name ${file} NAME)
    configure_file(${file} ${CMAKE_BINARY_DIR}/lang/${name} COPYONLY)
  endforeach()
  # a tree built before kept a copy of the English file beside the program (of that day's
  # English file), which would hide the desktop's language: it goes, unless someone put a file of
  # another language there
  set(beside ${CMAKE_BINARY_DIR}/app/gravilo.itl)
  if(EXISTS ${beside})
    file(STRINGS ${beside} beside_name REGEX "^\\[\\$languagename\\$\\]=English\\|")
    if(beside_name)
      file(REMOVE ${beside})
    endif()
  endif()
  install(TARGETS gravilo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT gravilo)
endif()

install(FILES ${GRAVILO_LANGUAGE_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/gravilo/lang COMPONENT gravilo)
install(FILES ${PROJECT_SOURCE_DIR}/dist/io.github.gravilo.Gravilo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT gravilo)
install(FILES ${PROJECT_SOURCE_DIR}/dist/io.github.gravilo.Gravilo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT gravilo)
gravilo_gzip(${PROJECT_SOURCE_DIR}/dist/gravilo.1 ${CMAKE_BINARY_DIR}/dist/gravilo.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/dist/gravilo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT gravilo)

# The icon is painted by the program's own code; a small tool writes it in every size.
add_executable(make-gravilo-icons ${PROJECT_SOURCE_DIR}/dist/MakeIcons.cpp ${PROJECT_SOURCE_DIR}/app/Pictures.cpp)
target_include_directories(make-gravilo-icons PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_link_libraries(make-gravilo-icons PRIVATE gravilo_toolkit_inner)
set(icon_root ${CMAKE_BINARY_DIR}/dist/icons)
set(icon_files "")
foreach(size ${GRAVILO_ICON_SIZES})
  list(APPEND icon_files ${icon_root}/${size}x${size}/apps/gravilo.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND make-gravilo-icons ${icon_root}
  DEPENDS make-gravilo-icons
  COMMENT "Painting the Gravilo icon")
add_custom_target(gravilo_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icon_root}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor COMPONENT gravilo)

# the component libraries, their headers and the CMake package
include(CMakePackageConfigHelpers)
set(GRAVILO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/GraviloComponents)
get_property(gravilo_libraries GLOBAL PROPERTY GRAVILO_LIBRARIES)
# each library in a component of its own, libraries_<part>, one Debian package a soname
set(GRAVILO_LIBRARY_COMPONENTS "")
foreach(library ${gravilo_libraries})
  string(REGEX REPLACE "^gravilo_" "libraries_" component ${library})
  list(APPEND GRAVILO_LIBRARY_COMPONENTS ${component})
  install(TARGETS ${library} EXPORT GraviloComponentsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${component} NAMELINK_COMPONENT development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
    PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/gravilo COMPONENT development)
endforeach()
install(EXPORT GraviloComponentsTargets NAMESPACE Gravilo:: DESTINATION ${GRAVILO_CMAKE_DIR}
        COMPONENT development)
set(GRAVILO_QT_MIN 6.2)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/GraviloComponentsConfig.cmake.in
  ${CMAKE_BINARY_DIR}/GraviloComponentsConfig.cmake INSTALL_DESTINATION ${GRAVILO_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/GraviloComponentsConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/GraviloComponentsConfig.cmake
              ${CMAKE_BINARY_DIR}/GraviloComponentsConfigVersion.cmake
        DESTINATION ${GRAVILO_CMAKE_DIR} COMPONENT development)

# pkg-config files, one a library: `pkg-config --cflags --libs gravilo-chart` is all a build needs
# (the C++20 the headers need included); each requires the libraries below it and Qt's
set(GRAVILO_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH pc_to_prefix /prefix/${GRAVILO_PKGCONFIG_DIR} /prefix)
string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
set(GRAVILO_PC_DESCRIPTION_common "the enumerations and errors the components share")
set(GRAVILO_PC_DESCRIPTION_messaging "messages between programs")
set(GRAVILO_PC_DESCRIPTION_toolkit "the canvas, colours, fonts and painted controls")
set(GRAVILO_PC_DESCRIPTION_scale "the axis scale TScale")
set(GRAVILO_PC_DESCRIPTION_numeric "the framed numeric label TNumora")
set(GRAVILO_PC_DESCRIPTION_chart "the chart TPlotica")
set(GRAVILO_PC_DESCRIPTION_translation "the translation dictionary TGlossator")
set(GRAVILO_PC_DESCRIPTION_hostlink "the host link TqmrDemonClient")
foreach(library ${gravilo_libraries})
  string(REGEX REPLACE "^gravilo_" "" part ${library})
  set(pc_name gravilo-${part})
  set(pc_description ${GRAVILO_PC_DESCRIPTION_${part}})
  get_target_property(deps ${library} GRAVILO_DEPS)
  list(TRANSFORM deps REPLACE "^gravilo_" "gravilo-")
  list(TRANSFORM deps REPLACE "^Qt6::" "Qt6")
  list(JOIN deps " " pc_requires)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/gravilo.pc.in ${CMAKE_BINARY_DIR}/pkgconfig/${pc_name}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/pkgconfig/${pc_name}.pc DESTINATION ${GRAVILO_PKGCONFIG_DIR}
          COMPONENT development)
endforeach()
