# Shared helpers for the project's CMake files.
include(GoogleTest)

# Globbed sources: AUTOMOC with Ninja only re-scans when something it depends on changes, so a
# new file must touch such a dependency. The list of sources, rewritten only when it changes, is one.
function(gravilo_autogen_follows_sources target)
  get_target_property(srcs ${target} SOURCES)
  string(REPLACE ";" "\n" listing "${srcs}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(previous "")
  if(EXISTS ${stamp})
    file(READ ${stamp} previous)
  endif()
  if(NOT previous STREQUAL "${listing}\n")
    file(WRITE ${stamp} "${listing}\n")
    # the missing output makes Ninja run the scan again
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()

# gravilo_add_library(<name> DEPS <targets...>)
# One library per folder: every .cpp/.h of the calling folder (not of its subfolders) is part of it.
function(gravilo_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  gravilo_autogen_follows_sources(${name})
endfunction()

# gravilo_add_test(<name> DEPS <targets...>)
# Every .cpp of the calling folder becomes one GoogleTest program; CTest runs each case headless.
function(gravilo_add_test name)
  cmake_parse_arguments(ARG "" "" "DEPS;ENVIRONMENT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE gravilo_testmain ${ARG_DEPS})
  gravilo_autogen_follows_sources(${name})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}" TIMEOUT 300)
endfunction()
