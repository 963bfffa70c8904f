# SPDX-License-Identifier: MIT
# Installs the build into a prefix of its own, builds examples/consumer against it with nothing
# but find_package, runs it offscreen and checks the picture: a PNG of the window's size that is
# more than one flat colour (a flat picture of that size compresses to about
# 1.3 KB, this window to about 3 KB).
# Run as: cmake -DBUILD_DIR=... -DCONSUMER_DIR=... -DWORK_DIR=... -DGENERATOR=... -P ConsumerCheck.cmake
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

run("configuring the consumer" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run("building the consumer" ${CMAKE_COMMAND} --build ${WORK_DIR}/build)
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
