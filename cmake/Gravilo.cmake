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

# gravilo_add_library(<name> EXPORT_NAME <Name> DEPS <targets...> [PRIVATE_DEPS <targets...>]
#                     SOURCES <files...> [PUBLIC_HEADERS <files...>])
# One library per folder, its files listed by name. gravilo_<part> builds libgravilo-<part>, a
# shared library of the version's SOVERSION (static with BUILD_SHARED_LIBS=OFF) whose symbols are
# hidden unless marked GRAVILO_<PART>_EXPORT, the macro of its generated gravilo_<part>_export.h:
# the classes and functions of its public headers, and the few inner ones a library above calls.
# Installed, it is the imported target Gravilo::<Name>, and its PUBLIC_HEADERS (with the export
# header) go to include/gravilo: what a program that uses the library includes, directly or
# through another public header. The other headers stay inside.
# gravilo_<part>_inner is the same code as a static library with every inner class reachable:
# what the program, its tests and its benchmarks link (they drive the inner classes), each
# gravilo_*_inner of DEPS in the place of its library. Both are made of one compilation.
function(gravilo_add_library name)
  cmake_parse_arguments(ARG "" "EXPORT_NAME" "DEPS;PRIVATE_DEPS;SOURCES;PUBLIC_HEADERS" ${ARGN})
  list(TRANSFORM ARG_PUBLIC_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  string(REGEX REPLACE "^gravilo_" "" part ${name})
  set(export_header ${CMAKE_CURRENT_BINARY_DIR}/gravilo_${part}_export.h)
  set(build_includes $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}> $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}>)

  if(BUILD_SHARED_LIBS)
    add_library(${name}_inner STATIC ${ARG_SOURCES} ${export_header})
    set_target_properties(${name}_inner PROPERTIES POSITION_INDEPENDENT_CODE ON OUTPUT_NAME gravilo-${part}-inner)
    target_compile_definitions(${name}_inner PRIVATE ${name}_EXPORTS)
    # a call inside a library reaches the library's own function, whatever a program that loads it
    # defines under the same name: no class of the program can take the place of an inner one
    target_compile_options(${name}_inner PRIVATE $<$<CXX_COMPILER_ID:GNU,Clang>:-fno-semantic-interposition>)
    target_include_directories(${name}_inner PUBLIC ${build_includes})
    target_compile_features(${name}_inner PUBLIC cxx_std_20)
    # the libraries below come as their inner archives to the program and the tests, as the shared
    # libraries to the shared one made of this archive
    foreach(dep ${ARG_DEPS})
      if(dep MATCHES "^gravilo_")
        target_link_libraries(${name}_inner PUBLIC
          $<IF:$<BOOL:$<TARGET_PROPERTY:GRAVILO_SHARED_OF_INNER>>,${dep},${dep}_inner>)
      else()
        target_link_libraries(${name}_inner PUBLIC ${dep})
      endif()
    endforeach()
    add_library(${name} SHARED)
    set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX GRAVILO_SHARED_OF_INNER ON)
    target_link_libraries(${name} PRIVATE $<LINK_LIBRARY:WHOLE_ARCHIVE,${name}_inner>)
    target_link_options(${name} PRIVATE "LINKER:-Bsymbolic-functions" "LINKER:--no-undefined")
    set(compiled ${name}_inner)
  else()
    add_library(${name} ${ARG_SOURCES} ${export_header})
    string(TOUPPER gravilo_${part}_STATIC_DEFINE static_define)
    target_compile_definitions(${name} PUBLIC ${static_define})
    add_library(${name}_inner ALIAS ${name})
    set(compiled ${name})
  endif()
  add_library(Gravilo::${ARG_EXPORT_NAME} ALIAS ${name})
  string(TOUPPER ${part} macro_part)
  set(inner_export
    "/* the few inner classes and functions a library above this one calls: exported for the suite's
   own libraries, declared in no installed header, no part of the API and of no ABI promise */
#define GRAVILO_${macro_part}_INNER_EXPORT GRAVILO_${macro_part}_EXPORT")
  generate_export_header(${name} BASE_NAME gravilo_${part} EXPORT_FILE_NAME ${export_header}
                         CUSTOM_CONTENT_FROM_VARIABLE inner_export)
  set_target_properties(${compiled} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # what only its own code calls (no public header names it)
  target_link_libraries(${compiled} PRIVATE ${ARG_PRIVATE_DEPS})
  set_target_properties(${name} PROPERTIES
    OUTPUT_NAME gravilo-${part}
    EXPORT_NAME ${ARG_EXPORT_NAME}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    INSTALL_RPATH "$ORIGIN"
    PUBLIC_HEADER "${ARG_PUBLIC_HEADERS};${export_header}")
  target_compile_features(${name} PUBLIC cxx_std_20)
  # installed, both <gravilo/TPlotica.h> and "TPlotica.h" reach the headers
  target_include_directories(${name} PUBLIC ${build_includes} $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
                             $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/gravilo>)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES GRAVILO_DEPS "${ARG_DEPS}")
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
