# SPDX-License-Identifier: MIT
# The public ABI of every installed library against the baseline of its SOVERSION in abi/: a
# change that breaks programs built against the baseline (a removed function, a changed public
# struct or class, another vtable) fails, unless the SOVERSION moved on; an added function passes.
# With MODE=baseline the baselines are written anew from this build instead (after a release, or
# after a SOVERSION change).
# Run as: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DSOVERSION=... -DCOMPONENTS=...
#         [-DMODE=baseline]
#         -P AbiCheck.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
string(REPLACE "," ";" COMPONENTS "${COMPONENTS}")
foreach(component ${COMPONENTS})
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component ${component}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(headers ${prefix}/include/gravilo)
file(GLOB libraries ${prefix}/lib*/libgravilo-*.so.${SOVERSION} ${prefix}/lib/*/libgravilo-*.so.${SOVERSION})
if(NOT libraries)
  message(FATAL_ERROR "abi check: no libgravilo-*.so.${SOVERSION} was installed")
endif()

set(broken "")
foreach(library ${libraries})
  get_filename_component(soname ${library} NAME)
  set(baseline ${SOURCE_DIR}/abi/${soname}.abi.gz)
  if(MODE STREQUAL "baseline")
    # the types of the public headers only, their places by the headers' names alone (abidiff
    # tells the public types by them): the same build anywhere gives the same file
    execute_process(COMMAND abidw --headers-dir ${headers} --drop-private-types --no-corpus-path --short-locs
                            --no-comp-dir-path --drop-undefined-syms --type-id-style hash ${library}
                    COMMAND gzip -9n OUTPUT_FILE ${baseline} COMMAND_ERROR_IS_FATAL ANY)
    message(STATUS "abi baseline: ${baseline}")
    continue()
  endif()
  if(NOT EXISTS ${baseline})
    message(FATAL_ERROR "abi check: ${soname} has no baseline ${baseline}; make one with the target abi-baseline")
  endif()
  execute_process(COMMAND gzip -dc ${baseline} OUTPUT_FILE ${WORK_DIR}/${soname}.abi COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND abidiff --headers-dir2 ${headers} --drop-private-types --no-added-syms
                          ${WORK_DIR}/${soname}.abi ${library}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report)
  # abidiff's status is a bit set: 1 an error, 2 a wrong use, 4 a change, 8 one known to be
  # incompatible. Added functions are left out of the comparison, so any change left (a removed
  # function, a public type of another size or layout, another vtable) would break a program.
  math(EXPR failed "${rc} & 3")
  math(EXPR incompatible "${rc} & 12")
  if(failed)
    message(FATAL_ERROR "abi check: abidiff could not compare ${soname} (${rc}):\n${report}")
  elseif(incompatible)
    string(APPEND broken "${soname}:\n${report}\n")
  else()
    message(STATUS "abi check: ${soname} as in its baseline")
  endif()
endforeach()
if(broken)
  message(FATAL_ERROR "abi check: the public ABI changed, but the SOVERSION is still ${SOVERSION}: "
                      "keep the ABI, or raise the SOVERSION and make new baselines (target abi-baseline)\n${broken}")
endif()
