# SPDX-License-Identifier: MIT
# Shared helpers for the project's CMake files.
include(GoogleTest)
include(GenerateExportHeader)

# Libraries, the CMake package and the Designer plugin go to lib/<multiarch> where the system has
# one (lib/x86_64-linux-gnu on Debian), for every prefix, as Debian's own CMake builds put them:
# GNUInstallDirs alone chooses it for the prefix /usr only, and the packages are made from a
# tree configured for another. -DCMAKE_INSTALL_LIBDIR chooses otherwise. A tree configured
# before kept GNUInstallDirs' plain "lib" and moves over once.
if(CMAKE_LIBRARY_ARCHITECTURE)
  if(DEFINED CACHE{_GNUInstallDirs_LAST_CMAKE_INSTALL_PREFIX} AND NOT DEFINED CACHE{GRAVILO_MULTIARCH_LIBDIR}
     AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
    unset(CMAKE_INSTALL_LIBDIR CACHE)
  endif()
  set(GRAVILO_MULTIARCH_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE INTERNAL "the default library folder")
  if(NOT DEFINED CMAKE_INSTALL_LIBDIR)
    set(CMAKE_INSTALL_LIBDIR ${GRAVILO_MULTIARCH_LIBDIR} CACHE PATH "Object code libraries (${GRAVILO_MULTIARCH_LIBDIR})")
  endif()
endif()
include(GNUInstallDirs)

# gravilo_add_library(<name> EXPORT_NAME <Name> DEPS <targets...> SOURCES <files...>
#                     [PUBLIC_HEADERS <files...>])
# One library per folder, its files listed by name. gravilo_<part> builds libgravilo-<part>, a
# shared library of the version's SOVERSION (static with BUILD_SHARED_LIBS=OFF) whose symbols are
# hidden unless marked GRAVILO_<PART>_EXPORT, the macro of its generated gravilo_<part>_export.h.
# Installed, it is the imported target Gravilo::<Name>, and its PUBLIC_HEADERS (with the export
# header) go to include/gravilo: what a program that uses the library includes, directly or
# through another public header. The other headers stay inside.
function(gravilo_add_library name)
  cmake_parse_arguments(ARG "" "EXPORT_NAME" "DEPS;SOURCES;PUBLIC_HEADERS" ${ARGN})
  list(TRANSFORM ARG_PUBLIC_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  string(REGEX REPLACE "^gravilo_" "" part ${name})
  set(export_header ${CMAKE_CURRENT_BINARY_DIR}/gravilo_${part}_export.h)
  add_library(${name} ${ARG_SOURCES} ${export_header})
  add_library(Gravilo::${ARG_EXPORT_NAME} ALIAS ${name})
  generate_export_header(${name} BASE_NAME gravilo_${part} EXPORT_FILE_NAME ${export_header})
  if(NOT BUILD_SHARED_LIBS)
    string(TOUPPER gravilo_${part}_STATIC_DEFINE static_define)
    target_compile_definitions(${name} PUBLIC ${static_define})
  endif()
  set_target_properties(${name} PROPERTIES
    OUTPUT_NAME gravilo-${part}
    EXPORT_NAME ${ARG_EXPORT_NAME}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    INSTALL_RPATH "$ORIGIN"
    PUBLIC_HEADER "${ARG_PUBLIC_HEADERS};${export_header}")
  if(BUILD_SHARED_LIBS)
    # a call inside a library reaches the library's own function, whatever a program that loads it
    # defines under the same name: no class of the program can take the place of an inner one
    target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU,Clang>:-fno-semantic-interposition>)
    target_link_options(${name} PRIVATE "LINKER:-Bsymbolic-functions")
  endif()
  target_compile_features(${name} PUBLIC cxx_std_20)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>
    $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set_property(GLOBAL APPEND PROPERTY GRAVILO_LIBRARIES ${name})
endfunction()

# gravilo_add_test(<name> DEPS <targets...> SOURCES <files...>)
# The listed files make one GoogleTest program; CTest runs each case headless, on a desktop that
# speaks no language of its own (the C locale), so that a program started without a language file
# shows English whatever the machine's LANG.
function(gravilo_add_test name)
  cmake_parse_arguments(ARG "" "" "DEPS;ENVIRONMENT;SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE gravilo_testmain ${ARG_DEPS})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE=;${ARG_ENVIRONMENT}" TIMEOUT 300)
endfunction()
