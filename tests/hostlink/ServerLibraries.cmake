# SPDX-License-Identifier: MIT
# The server runs where no GUI library is installed: none of the libraries it loads, directly or
# through another, is Qt GUI or Qt Widgets (as ldd would list them).
# Run as: cmake -DPROGRAM=... -P ServerLibraries.cmake
cmake_minimum_required(VERSION 3.25)
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${PROGRAM} RESOLVED_DEPENDENCIES_VAR libraries
     UNRESOLVED_DEPENDENCIES_VAR missing)
if(missing)
  message(FATAL_ERROR "${PROGRAM} needs libraries that cannot be found: ${missing}")
endif()
list(FILTER libraries INCLUDE REGEX "libQt6|libgravilo")
if(NOT libraries MATCHES "libQt6Core")
  message(FATAL_ERROR "Qt Core is not among the libraries of ${PROGRAM}: ${libraries}")
endif()
if(libraries MATCHES "libQt6(Gui|Widgets)")
  message(FATAL_ERROR "${PROGRAM} loads a GUI library: ${libraries}")
endif()
message(STATUS "${PROGRAM} loads ${libraries}")
