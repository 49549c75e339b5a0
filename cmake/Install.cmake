# Where `cmake --install` puts Pluvane: the two programs in bin, their manual
# pages gzipped, the copyright and changelog under doc/pluvane, and for the
# window its desktop entry, its AppStream entry and its icon in the hicolor
# theme, all under the usual GNU folders.
include(GNUInstallDirs)

set(PLUVANE_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(PLUVANE_MAINTAINER "Pluvane developers <pluvane@pluvane.example.org>" CACHE STRING
  "Maintainer of the .deb and author of its changelog, as Name <address>")
set(PLUVANE_HOMEPAGE "https://pluvane.example.org/" CACHE STRING
  "The project's web page, named in the package and the AppStream entry")
set(PLUVANE_SCREENSHOT_URL "${PLUVANE_HOMEPAGE}docs/" CACHE STRING
  "Where the pictures of docs/ are published, for software centres")
set(PLUVANE_APP_ID "org.example.pluvane" CACHE STRING
  "The AppStream component id, the project's domain reversed")

# Generated files and the gzipped copies Debian wants (gzip -n keeps names
# and times out, so the same sources give the same bytes).
set(PLUVANE_GENERATED_DIR ${PROJECT_BINARY_DIR}/data)
configure_file(${PLUVANE_DATA_DIR}/pluvane.metainfo.xml.in
  ${PLUVANE_GENERATED_DIR}/${PLUVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${PLUVANE_DATA_DIR}/copyright.in ${PLUVANE_GENERATED_DIR}/copyright @ONLY)
configure_file(${PLUVANE_DATA_DIR}/changelog.in ${PLUVANE_GENERATED_DIR}/changelog @ONLY)
set(pluvane_gzipped)
foreach(source
    ${PLUVANE_DATA_DIR}/man/pluvane-render.1
    ${PLUVANE_DATA_DIR}/man/pluvane.1
    ${PLUVANE_GENERATED_DIR}/changelog)
  get_filename_component(name ${source} NAME)
  set(gzipped ${PLUVANE_GENERATED_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip ${source} ${gzipped}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND pluvane_gzipped ${gzipped})
endforeach()
add_custom_target(pluvane_gzipped_data ALL DEPENDS ${pluvane_gzipped})

set(PLUVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/pluvane)
install(TARGETS pluvane-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PLUVANE_GENERATED_DIR}/pluvane-render.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PLUVANE_GENERATED_DIR}/copyright ${PLUVANE_GENERATED_DIR}/changelog.gz
  DESTINATION ${PLUVANE_DOC_DIR})

# The desktop entry, the AppStream entry and the icons belong to the window,
# so they come with it.
if(TARGET pluvane)
  install(TARGETS pluvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PLUVANE_GENERATED_DIR}/pluvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PLUVANE_DATA_DIR}/pluvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PLUVANE_GENERATED_DIR}/${PLUVANE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PLUVANE_DATA_DIR}/icons/pluvane.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
  install(FILES ${PLUVANE_DATA_DIR}/icons/pluvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
