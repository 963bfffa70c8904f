# Shared helpers for the project's CMake files.
include(GoogleTest)

# gravilo_add_library(<name> DEPS <targets...> SOURCES <files...>)
# One library per folder, its files listed by name.
function(gravilo_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# gravilo_add_test(<name> DEPS <targets...> SOURCES <files...>)
# The listed files make one GoogleTest program; CTest runs each case headless.
function(gravilo_add_test name)
  cmake_parse_arguments(ARG "" "" "DEPS;ENVIRONMENT;SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE gravilo_testmain ${ARG_DEPS})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}" TIMEOUT 300)
endfunction()
