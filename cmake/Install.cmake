# What `cmake --install` puts on a desktop: the two programs, the menu entry, the program's
# icon in the hicolor theme (drawn by the code that draws the window icon) and the manual pages.
include(GNUInstallDirs)

install(TARGETS tavrik tavrik-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/tavrik.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(TAVRIK_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(icon_files)
foreach(size 16 32 48 64 128 256)
  list(APPEND icon_files ${TAVRIK_ICON_DIR}/hicolor/${size}x${size}/apps/tavrik.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
                   COMMAND tavrik_appicons ${TAVRIK_ICON_DIR}
                   DEPENDS tavrik_appicons
                   COMMENT "Drawing the program's icon for the hicolor theme")
add_custom_target(tavrik_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${TAVRIK_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

foreach(page tavrik tavrik-batch)
  configure_file(${PROJECT_SOURCE_DIR}/assets/man/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
