# SPDX-License-Identifier: MIT
# Installs the build into a prefix of its own, builds examples/consumer against it with nothing
# but find_package, runs it offscreen and checks the picture (and the QML example with the
# installed QML module, where it was built): a PNG of the window's size that is
# more than one flat colour (a flat picture of that size compresses to about
# 1.3 KB, this window to about 3 KB).
# The installed libraries export only what the installed headers declare, and the few inner names
# the sources mark GRAVILO_*_INNER_EXPORT for the libraries above.
# Run as: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DCONSUMER_DIR=... -DWORK_DIR=... -DGENERATOR=...
#         -P ConsumerCheck.cmake
cmake_minimum_required(VERSION 3.25)

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "consumer check: ${what} failed (${rc}):\n${out}${err}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run("installing" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(header TPlotica.h TScale.h TNumora.h TGlossator.h TqmrDemonClient.h)
  if(NOT EXISTS ${prefix}/include/gravilo/${header})
    message(FATAL_ERROR "consumer check: include/gravilo/${header} was not installed")
  endif()
endforeach()
foreach(internal PloticaPrivate.h ItemRenderer.h TickGenerator.h)
  if(EXISTS ${prefix}/include/gravilo/${internal})
    message(FATAL_ERROR "consumer check: the internal header ${internal} was installed")
  endif()
endforeach()

# every name a library exports, against the words of the installed headers and of the inner
# declarations marked for export
file(GLOB headers ${prefix}/include/gravilo/*.h)
set(allowed "")
foreach(header ${headers})
  file(READ ${header} text)
  # a using-directive would bring a whole namespace into every program that includes the header
  if(text MATCHES "using namespace")
    message(FATAL_ERROR "consumer check: ${header} has a using-directive")
  endif()
  string(APPEND allowed " ${text}")
endforeach()
set(sources "")
foreach(folder common messaging toolkit numeric scale chart translation hostlink)
  file(GLOB in_folder ${SOURCE_DIR}/${folder}/*.h)
  list(APPEND sources ${in_folder})
endforeach()
foreach(source ${sources})
  file(STRINGS ${source} marked REGEX "_INNER_EXPORT|^namespace ")
  if(marked MATCHES "_INNER_EXPORT")
    string(APPEND allowed " ${marked}")
  endif()
endforeach()
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*" words "${allowed}")
list(REMOVE_DUPLICATES words)
if(allowed MATCHES "Q_NAMESPACE")
  list(APPEND words staticMetaObject)  # what Q_NAMESPACE_EXPORT declares
endif()
# a name in a namespace is known by its own name
string(REGEX MATCHALL "namespace [A-Za-z_][A-Za-z0-9_]*" namespaces "${allowed}")
list(TRANSFORM namespaces REPLACE "namespace " "")
file(GLOB libraries ${prefix}/lib*/libgravilo-*.so.1 ${prefix}/lib/*/libgravilo-*.so.1)
if(NOT libraries)
  message(FATAL_ERROR "consumer check: no libgravilo-*.so.1 was installed")
endif()
set(strays "")
foreach(library ${libraries})
  execute_process(COMMAND nm -DC --defined-only ${library} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" symbols "${symbols}")
  foreach(symbol ${symbols})
    # "0000000000012340 T TPlotica::AddMark(double, double, int)": the outermost name
    string(REGEX REPLACE "^[0-9a-f]+ [A-Za-z] " "" symbol "${symbol}")
    string(REGEX REPLACE "^(vtable|typeinfo name|typeinfo|VTT|non-virtual thunk to|guard variable) (for )?" "" symbol "${symbol}")
    string(REGEX MATCH "^[A-Za-z_][A-Za-z0-9_]*" name "${symbol}")
    list(FIND namespaces "${name}" in_namespace)
    if(NOT in_namespace EQUAL -1)
      string(REGEX MATCH "^[A-Za-z_][A-Za-z0-9_]*::([A-Za-z_][A-Za-z0-9_]*)" name "${symbol}")
      set(name ${CMAKE_MATCH_1})
    endif()
    if(name AND NOT name MATCHES "^(_end|_edata|__bss_start)$")
      list(FIND words ${name} known)
      if(known EQUAL -1)
        list(APPEND strays "${symbol}")
      endif()
    endif()
  endforeach()
endforeach()
if(strays)
  list(REMOVE_DUPLICATES strays)
  list(JOIN strays "\n  " strays)
  message(FATAL_ERROR "consumer check: exported, yet declared in no installed header:\n  ${strays}")
endif()

run("configuring the consumer" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("building the consumer" ${CMAKE_COMMAND} --build ${WORK_DIR}/build)
# the examples as installed with the documentation, built on their own
run("configuring the examples" ${CMAKE_COMMAND} -S ${prefix}/share/doc/libgravilo-dev/examples
    -B ${WORK_DIR}/examples -G ${GENERATOR} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("building the examples" ${CMAKE_COMMAND} --build ${WORK_DIR}/examples)
run("running an example" ${WORK_DIR}/examples/numora_gallery ${WORK_DIR}/numora.png)
# the QML example (where Qt Quick is there) with the installed module Gravilo.Charts alone
file(GLOB qml_dirs ${prefix}/lib*/qt6/qml ${prefix}/lib/*/qt6/qml)
if(EXISTS ${WORK_DIR}/examples/quick_plot)
  if(NOT EXISTS "${qml_dirs}/Gravilo/Charts/qmldir")
    message(FATAL_ERROR "consumer check: the QML module Gravilo.Charts was not installed (${qml_dirs})")
  endif()
  set(ENV{QML_IMPORT_PATH} "${qml_dirs}")
  run("running the QML example" ${WORK_DIR}/examples/quick_plot --shot ${WORK_DIR}/quick_plot.png)
  unset(ENV{QML_IMPORT_PATH})
  file(SIZE ${WORK_DIR}/quick_plot.png bytes)
  if(bytes LESS 4000)
    message(FATAL_ERROR "consumer check: the QML example's picture is blank (${bytes} bytes)")
  endif()
endif()
# and one of them with nothing but what pkg-config says of the chart
file(GLOB pc_dirs ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "${pc_dirs}")
execute_process(COMMAND pkg-config --cflags --libs gravilo-chart OUTPUT_VARIABLE pc_flags
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
run("building an example with pkg-config" c++ -o ${WORK_DIR}/pc_chart_gallery
    ${prefix}/share/doc/libgravilo-dev/examples/chart_gallery.cpp ${pc_flags})
get_filename_component(pc_libdir "${pc_dirs}" DIRECTORY)
set(ENV{LD_LIBRARY_PATH} ${pc_libdir})
file(MAKE_DIRECTORY ${WORK_DIR}/pc_gallery)
run("running the example built with pkg-config" ${WORK_DIR}/pc_chart_gallery ${WORK_DIR}/pc_gallery)
unset(ENV{LD_LIBRARY_PATH})
set(picture ${WORK_DIR}/consumer.png)
run("running the consumer" ${WORK_DIR}/build/gravilo-consumer ${picture})

# a component that is not there is named
file(WRITE ${WORK_DIR}/missing/CMakeLists.txt
  "cmake_minimum_required(VERSION 3.25)\nproject(Missing LANGUAGES CXX)\n"
  "find_package(GraviloComponents 1.0 REQUIRED COMPONENTS Chart Plotter)\n")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK_DIR}/missing -B ${WORK_DIR}/missing/build -G ${GENERATOR}
                -DCMAKE_PREFIX_PATH=${prefix} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT "${out}${err}" MATCHES "there is no component Plotter")
  message(FATAL_ERROR "consumer check: a missing component was not named (${rc}):\n${out}${err}")
endif()

file(READ ${picture} header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 16 size)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "000001a40000017c")
  message(FATAL_ERROR "consumer check: ${picture} is not a 420 x 380 PNG (${header})")
endif()
file(SIZE ${picture} bytes)
if(bytes LESS 2000)
  message(FATAL_ERROR "consumer check: ${picture} is blank (${bytes} bytes)")
endif()
message(STATUS "consumer check: ${picture}, ${bytes} bytes")
