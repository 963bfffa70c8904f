# SPDX-License-Identifier: MIT
# Makes the Debian packages from the build with CPack into a folder of its own and checks what a
# system's package manager relies on: the four packages by name, the libraries under the
# multiarch folder with their shlibs file and ldconfig trigger, the documents of each package.
# Run as: cmake -DBUILD_DIR=... -DWORK_DIR=... -DLIBDIR=... -P PackagingCheck.cmake
cmake_minimum_required(VERSION 3.25)

function(run output what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "packaging check: ${what} failed (${rc}):\n${out}${err}")
  endif()
  set(${output} "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(ignored "cpack" ${CMAKE_COMMAND} -E chdir ${BUILD_DIR} cpack -G DEB -B ${WORK_DIR})
include(${BUILD_DIR}/CPackConfig.cmake)
foreach(package gravilo libgravilo1 libgravilo-dev gravilo-designer-plugin)
  file(GLOB deb ${WORK_DIR}/${package}_${CPACK_PACKAGE_VERSION}-*.deb)
  if(NOT deb)
    message(FATAL_ERROR "packaging check: no package ${package} ${CPACK_PACKAGE_VERSION}")
  endif()
  run(files "listing ${package}" dpkg-deb --contents ${deb})
  if(NOT files MATCHES "/usr/share/doc/${package}/copyright\n"
     OR NOT files MATCHES "/usr/share/doc/${package}/changelog\\.Debian\\.gz\n")
    message(FATAL_ERROR "packaging check: ${package} lacks its copyright or changelog:\n${files}")
  endif()
  set(files_${package} "${files}")
endforeach()

# the program's package: its languages beside its data, none among the commands, the metainfo
# of software centres, and the fonts of its scripts recommended
if(NOT files_gravilo MATCHES "\\./usr/share/gravilo/lang/gravilo_ja\\.itl\n"
   OR NOT files_gravilo MATCHES "\\./usr/share/metainfo/io\\.github\\.gravilo\\.Gravilo\\.metainfo\\.xml\n"
   OR files_gravilo MATCHES "/usr/bin/[^\n]*\\.itl")
  message(FATAL_ERROR "packaging check: gravilo's languages or metainfo are amiss:\n${files_gravilo}")
endif()
file(GLOB deb ${WORK_DIR}/gravilo_*.deb)
run(control "reading gravilo's control" dpkg-deb --field ${deb} Recommends)
if(NOT control MATCHES "fonts-noto-cjk")
  message(FATAL_ERROR "packaging check: gravilo does not recommend the CJK fonts: ${control}")
endif()

if(NOT files_libgravilo1 MATCHES "\\./usr/${LIBDIR}/libgravilo-chart\\.so\\.1 ")
  message(FATAL_ERROR "packaging check: libgravilo1 has no usr/${LIBDIR}/libgravilo-chart.so.1:\n${files_libgravilo1}")
endif()
file(GLOB deb ${WORK_DIR}/libgravilo1_*.deb)
run(shlibs "reading shlibs" dpkg-deb --info ${deb} shlibs)
run(triggers "reading triggers" dpkg-deb --info ${deb} triggers)
if(NOT shlibs MATCHES "libgravilo-chart 1 libgravilo1 \\(>= " OR NOT triggers MATCHES "activate-noawait ldconfig")
  message(FATAL_ERROR "packaging check: libgravilo1's shlibs or trigger is wrong:\n${shlibs}${triggers}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
