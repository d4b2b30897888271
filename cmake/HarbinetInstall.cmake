# What `cmake --install` lays out: the programs, the files they copy into a game folder, and what
# a desktop needs to list the program (entry, icons, AppStream data, manual pages).
include(GNUInstallDirs)

# One id for the desktop entry, the icon and the AppStream component.
set(HARBINET_APP_ID io.github.harbinet.harbinet)

# An installed program finds its files at <its own folder>/../share/harbinet/, so the two folders
# must keep that relation whatever the install folders are called.
cmake_path(SET harbinet_data_from_bin NORMALIZE "${CMAKE_INSTALL_FULL_BINDIR}/../share/harbinet")
cmake_path(SET harbinet_data NORMALIZE "${CMAKE_INSTALL_FULL_DATADIR}/harbinet")
if(NOT harbinet_data_from_bin STREQUAL harbinet_data)
  message(FATAL_ERROR "The program would look for its files in ${harbinet_data_from_bin}, but "
                      "they would go to ${harbinet_data}: choose CMAKE_INSTALL_BINDIR and "
                      "CMAKE_INSTALL_DATADIR with one parent folder.")
endif()

install(TARGETS harbinet-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/install/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/harbinet)
# Windows takes the programs and their files; manual pages, desktop entries and icon themes are
# the Linux desktop's.
if(WIN32)
  if(TARGET harbinet)
    install(TARGETS harbinet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
  install(FILES ${CMAKE_SOURCE_DIR}/resources/manual/readme.txt DESTINATION .)
  return()
endif()

install(FILES ${CMAKE_SOURCE_DIR}/docs/man/harbinet-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop's part only comes with the program it starts.
if(NOT TARGET harbinet)
  return()
endif()

install(TARGETS harbinet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/harbinet.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${HARBINET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${HARBINET_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/embed/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${HARBINET_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/art/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${HARBINET_APP_ID}.svg)
# The tray icons by name, for panels that draw status notifier items from the icon theme.
foreach(kind tray tray-busy)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/art/${kind}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/status
          RENAME ${HARBINET_APP_ID}-${kind}.svg)
endforeach()
