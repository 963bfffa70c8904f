# SPDX-License-Identifier: MIT
# Makes the Debian packages from the build with CPack into a folder of its own and checks what a
# system's package manager relies on: the packages by name (a library's after its soname), the
# libraries under the multiarch folder with their shlibs files and ldconfig triggers, the
# documents of each package, and what lintian says of the libraries' names.
# Run as: cmake -DBUILD_DIR=... -DWORK_DIR=... -DLIBDIR=... [-DMANUAL=ON] [-DQUICK=ON] -P PackagingCheck.cmake
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
set(libraries chart scale numeric toolkit common messaging translation hostlink)
set(library_packages ${libraries})
list(TRANSFORM library_packages REPLACE "(.+)" "libgravilo-\\11")
set(packages gravilo ${library_packages} libgravilo-dev gravilo-designer-plugin)
if(MANUAL)
  list(APPEND packages libgravilo-doc)
endif()
if(QUICK)
  list(APPEND packages qml6-module-gravilo-charts)
endif()
foreach(package ${packages})
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

foreach(part ${libraries})
  set(package libgravilo-${part}1)
  if(NOT files_${package} MATCHES "\\./usr/${LIBDIR}/libgravilo-${part}\\.so\\.1 ")
    message(FATAL_ERROR "packaging check: ${package} has no usr/${LIBDIR}/libgravilo-${part}.so.1:\n${files_${package}}")
  endif()
  file(GLOB deb ${WORK_DIR}/${package}_*.deb)
  run(shlibs "reading ${package}'s shlibs" dpkg-deb --info ${deb} shlibs)
  run(triggers "reading ${package}'s triggers" dpkg-deb --info ${deb} triggers)
  if(NOT shlibs MATCHES "^libgravilo-${part} 1 ${package} \\(>= [^\n]*\n$" OR NOT triggers MATCHES "activate-noawait ldconfig")
    message(FATAL_ERROR "packaging check: ${package}'s shlibs or trigger is wrong:\n${shlibs}${triggers}")
  endif()
endforeach()
if(MANUAL AND NOT files_libgravilo-doc MATCHES "\\./usr/share/doc/libgravilo-doc/html/classTPlotica\\.html\n")
  message(FATAL_ERROR "packaging check: libgravilo-doc has no manual page of TPlotica:\n${files_libgravilo-doc}")
endif()
# the chart's package brings the libraries it builds on
file(GLOB deb ${WORK_DIR}/libgravilo-chart1_*.deb)
run(depends "reading libgravilo-chart1's dependencies" dpkg-deb --field ${deb} Depends)
if(NOT depends MATCHES "libgravilo-scale1" OR NOT depends MATCHES "libgravilo-toolkit1")
  message(FATAL_ERROR "packaging check: libgravilo-chart1 does not depend on its libraries: ${depends}")
endif()
# the QML module where Qt looks for it, with the libraries it needs
if(QUICK)
  set(qml_dir "\\./usr/${LIBDIR}/qt6/qml/Gravilo/Charts")
  if(NOT files_qml6-module-gravilo-charts MATCHES "${qml_dir}/qmldir\n"
     OR NOT files_qml6-module-gravilo-charts MATCHES "${qml_dir}/libgravilo-charts-qml\\.so\n")
    message(FATAL_ERROR "packaging check: qml6-module-gravilo-charts lacks its qmldir or plugin:\n${files_qml6-module-gravilo-charts}")
  endif()
  file(GLOB deb ${WORK_DIR}/qml6-module-gravilo-charts_*.deb)
  run(depends "reading qml6-module-gravilo-charts's dependencies" dpkg-deb --field ${deb} Depends)
  if(NOT depends MATCHES "libgravilo-chart1" OR NOT depends MATCHES "libgravilo-numeric1"
     OR NOT depends MATCHES "qml6-module-qtquick")
    message(FATAL_ERROR "packaging check: qml6-module-gravilo-charts does not depend on what it needs: ${depends}")
  endif()
endif()
find_program(LINTIAN lintian)
if(LINTIAN)
  file(GLOB debs ${WORK_DIR}/*.deb)
  execute_process(COMMAND ${LINTIAN} --no-tag-display-limit ${debs} OUTPUT_VARIABLE tags ERROR_VARIABLE tags)
  if(tags MATCHES "package-name-doesnt-match-sonames|(^|\n)E: ")
    message(FATAL_ERROR "packaging check: lintian finds fault with the packages:\n${tags}")
  endif()
endif()
file(REMOVE_RECURSE ${WORK_DIR})
