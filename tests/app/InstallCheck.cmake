# SPDX-License-Identifier: MIT
# Installs the build into PREFIX and checks that a user gets a runnable, findable program:
# the program, every language file of lang/ in share/gravilo/lang, a desktop entry that
# desktop-file-validate accepts without a hint and AppStream metainfo that appstreamcli accepts
# without a warning (each when the tool is there), and the icon in its sizes.
# Run as: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... -P InstallCheck.cmake

cmake_minimum_required(VERSION 3.25)

function(fail)
  message(FATAL_ERROR "install check: ${ARGV}")
endfunction()

function(expect_same_file installed source)
  if(NOT EXISTS ${installed})
    fail("missing ${installed}")
  endif()
  file(SHA256 ${installed} got)
  file(SHA256 ${source} want)
  if(NOT got STREQUAL want)
    fail("${installed} differs from ${source}")
  endif()
endfunction()

# width and height of a PNG, from its header chunk
function(png_size file out)
  file(READ ${file} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    fail("${file} is not a PNG")
  endif()
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(${out} "${w}x${h}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cmake --install failed (${rc}): ${out}${err}")
endif()

# the program, runnable
if(NOT EXISTS ${PREFIX}/bin/gravilo OR IS_DIRECTORY ${PREFIX}/bin/gravilo)
  fail("missing bin/gravilo")
endif()
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${PREFIX}/bin/gravilo RESOLVED_DEPENDENCIES_VAR deps
     UNRESOLVED_DEPENDENCIES_VAR missing)
if(missing)
  fail("bin/gravilo needs libraries that cannot be found: ${missing}")
endif()
execute_process(COMMAND test -x ${PREFIX}/bin/gravilo RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  fail("bin/gravilo is not executable")
endif()
# every language file, and none in bin, where commands live
file(GLOB shipped RELATIVE ${SOURCE_DIR}/lang ${SOURCE_DIR}/lang/gravilo_*.itl)
list(LENGTH shipped count)
if(count LESS 13)
  fail("only ${count} language files in lang/")
endif()
foreach(name ${shipped})
  expect_same_file(${PREFIX}/share/gravilo/lang/${name} ${SOURCE_DIR}/lang/${name})
  # the build tree lists them as well
  expect_same_file(${BUILD_DIR}/lang/${name} ${SOURCE_DIR}/lang/${name})
endforeach()

# the desktop entry names the program and the icon that were installed
set(entry ${PREFIX}/share/applications/io.github.gravilo.Gravilo.desktop)
if(NOT EXISTS ${entry})
  fail("missing share/applications/io.github.gravilo.Gravilo.desktop")
endif()
file(STRINGS ${entry} lines)
foreach(wanted "Type=Application" "Name=Gravilo" "Exec=gravilo" "Icon=gravilo"
               "Categories=Education;Physics;")
  if(NOT wanted IN_LIST lines)
    fail("the desktop entry lacks \"${wanted}\"")
  endif()
endforeach()
foreach(key "GenericName" "Comment" "Comment\\[de\\]")
  set(found ${lines})
  list(FILTER found INCLUDE REGEX "^${key}=.")
  if(NOT found)
    fail("the desktop entry lacks a ${key}")
  endif()
endforeach()
find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND ${validate} ${entry} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR out OR err)
    fail("desktop-file-validate finds fault with the entry: ${out}${err}")
  endif()
else()
  message(STATUS "desktop-file-validate not found: the entry's syntax is not checked")
endif()

# the metainfo a software centre reads, naming the desktop entry installed beside it
set(metainfo ${PREFIX}/share/metainfo/io.github.gravilo.Gravilo.metainfo.xml)
if(NOT EXISTS ${metainfo})
  fail("missing share/metainfo/io.github.gravilo.Gravilo.metainfo.xml")
endif()
file(READ ${metainfo} text)
if(NOT text MATCHES "<launchable type=\"desktop-id\">io.github.gravilo.Gravilo.desktop</launchable>")
  fail("the metainfo does not name the desktop entry")
endif()
find_program(appstreamcli appstreamcli)
if(appstreamcli)
  execute_process(COMMAND ${appstreamcli} validate --no-net --explain ${metainfo}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  # errors, warnings and infos fail it; only pedantic remarks pass
  if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)[EWI]: ")
    fail("appstreamcli finds fault with the metainfo: ${out}${err}")
  endif()
else()
  message(STATUS "appstreamcli not found: the metainfo is not validated")
endif()

# the icon, where the hicolor theme looks, in the size each folder names
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/gravilo.png)
  if(NOT EXISTS ${icon})
    fail("missing ${icon}")
  endif()
  png_size(${icon} got)
  if(NOT got STREQUAL "${size}x${size}")
    fail("${icon} is ${got}")
  endif()
endforeach()

# nothing else: no test stand-ins or helper tools in a user's system
file(GLOB installed_programs RELATIVE ${PREFIX}/bin ${PREFIX}/bin/*)
list(SORT installed_programs)
if(NOT installed_programs STREQUAL "gravilo")
  fail("bin holds ${installed_programs}")
endif()
message(STATUS "install check: all in place under ${PREFIX}")
