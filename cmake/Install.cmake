# Gravilo as a user installs it:
#   cmake --install build --prefix P   puts
#     P/bin/gravilo                                   the program
#     P/bin/gravilo.itl                               the English language file, read beside the program
#     P/share/gravilo/lang/gravilo_en.itl, _de.itl    every language file we ship
#     P/share/applications/gravilo.desktop            the desktop entry
#     P/share/icons/hicolor/NxN/apps/gravilo.png      the icon, 16 to 256 pixels
# The build tree runs as it is: build/app/gravilo finds build/app/gravilo.itl.
include(GNUInstallDirs)

set(GRAVILO_LANG_DIR ${PROJECT_SOURCE_DIR}/lang)
set(GRAVILO_ICON_SIZES 16 22 24 32 48 64 128 256)

if(TARGET gravilo)
  configure_file(${GRAVILO_LANG_DIR}/gravilo_en.itl ${CMAKE_BINARY_DIR}/app/gravilo.itl COPYONLY)
  # the Language menu of the build tree lists these
  foreach(language en de)
    configure_file(${GRAVILO_LANG_DIR}/gravilo_${language}.itl ${CMAKE_BINARY_DIR}/lang/gravilo_${language}.itl
                   COPYONLY)
  endforeach()
  install(TARGETS gravilo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${GRAVILO_LANG_DIR}/gravilo_en.itl DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME gravilo.itl)
endif()

install(FILES ${GRAVILO_LANG_DIR}/gravilo_en.itl ${GRAVILO_LANG_DIR}/gravilo_de.itl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/gravilo/lang)
install(FILES ${PROJECT_SOURCE_DIR}/dist/gravilo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The icon is painted by the program's own code; a small tool writes it in every size.
add_executable(make-gravilo-icons ${PROJECT_SOURCE_DIR}/dist/MakeIcons.cpp ${PROJECT_SOURCE_DIR}/app/Pictures.cpp)
target_include_directories(make-gravilo-icons PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_link_libraries(make-gravilo-icons PRIVATE gravilo_toolkit)
set(icon_root ${CMAKE_BINARY_DIR}/dist/icons)
set(icon_files "")
foreach(size ${GRAVILO_ICON_SIZES})
  list(APPEND icon_files ${icon_root}/${size}x${size}/apps/gravilo.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND make-gravilo-icons ${icon_root}
  DEPENDS make-gravilo-icons
  COMMENT "Painting the Gravilo icon")
add_custom_target(gravilo_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icon_root}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
