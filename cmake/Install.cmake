# Where `cmake --install` puts Pluvane: the two programs in bin, and for the
# window its desktop entry and its icon in the hicolor theme, with the manual
# page of pluvane-render, all under the usual GNU folders.
include(GNUInstallDirs)

set(PLUVANE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS pluvane-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PLUVANE_DATA_DIR}/man/pluvane-render.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop entry and the icons belong to the window, so they come with it.
if(TARGET pluvane)
  install(TARGETS pluvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PLUVANE_DATA_DIR}/pluvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PLUVANE_DATA_DIR}/icons/pluvane.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
  install(FILES ${PLUVANE_DATA_DIR}/icons/pluvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
