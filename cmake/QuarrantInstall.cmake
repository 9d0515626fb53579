# Installation: the program and its help file together in the program's own folder
# (lib/quarrant), a link to the program in bin/, the menu entry, the icons in the hicolor
# theme, the AppStream metainfo, the manual page and the package documents.
if(QUARRANT_ENGINE_ONLY)
  return()
endif()
include(GNUInstallDirs)

set(QUARRANT_APP_ID io.github.quarrant.Quarrant)
set(QUARRANT_INSTALL_PROGRAMDIR lib/quarrant CACHE STRING
    "Folder of the program and its help file, relative to the prefix")
set(QUARRANT_INSTALL_PACKAGEDOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quarrant)
set(QUARRANT_RELEASE_DATE 2026-12-09)
set(QUARRANT_RELEASE_DATE_RFC2822 "Wed, 09 Dec 2026 00:00:00 +0000")
set(QUARRANT_MAINTAINER "Quarrant developers <quarrant@users.noreply.github.com>")
set(QUARRANT_ICON_SIZES 16 22 24 32 48 64 128 256)

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated})

# The program and the help file beside it.
install(TARGETS quarrant RUNTIME DESTINATION ${QUARRANT_INSTALL_PROGRAMDIR})
install(FILES ${PROJECT_BINARY_DIR}/bin/Rare.chm DESTINATION ${QUARRANT_INSTALL_PROGRAMDIR})
# The help in each language that has one (Rare_<lang>.chm).
foreach(lang IN LISTS QUARRANT_HELP_LANGUAGES)
  install(FILES ${PROJECT_BINARY_DIR}/bin/Rare_${lang}.chm
          DESTINATION ${QUARRANT_INSTALL_PROGRAMDIR})
endforeach()

# bin/quarrant: a relative link, so the installed tree can be moved or staged under DESTDIR.
file(RELATIVE_PATH QUARRANT_BIN_LINK_TARGET /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${QUARRANT_INSTALL_PROGRAMDIR}/quarrant)
install(CODE "
  set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bindir}\")
  file(REMOVE \"\${bindir}/quarrant\")
  message(STATUS \"Installing: \${bindir}/quarrant -> ${QUARRANT_BIN_LINK_TARGET}\")
  file(CREATE_LINK \"${QUARRANT_BIN_LINK_TARGET}\" \"\${bindir}/quarrant\" SYMBOLIC)
")

# Menu entry and metainfo.
install(FILES ${packaging}/${QUARRANT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
configure_file(${packaging}/${QUARRANT_APP_ID}.metainfo.xml.in
               ${generated}/${QUARRANT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${QUARRANT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# Icons: the scalable drawing and PNGs rendered from it.
find_program(RSVG_CONVERT_EXECUTABLE rsvg-convert REQUIRED)
set(icon_svg ${packaging}/icons/${QUARRANT_APP_ID}.svg)
set(icon_pngs)
foreach(size ${QUARRANT_ICON_SIZES})
  set(png ${generated}/icons/${size}/${QUARRANT_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}
    COMMAND ${RSVG_CONVERT_EXECUTABLE} -w ${size} -h ${size} -o ${png} ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)

# Manual page and changelog, compressed as Debian expects (no name or time stamp inside).
find_program(GZIP_EXECUTABLE gzip REQUIRED)
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/quarrant.1.gz
  COMMAND ${GZIP_EXECUTABLE} -9nc ${packaging}/quarrant.1 > ${generated}/quarrant.1.gz
  DEPENDS ${packaging}/quarrant.1)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND ${GZIP_EXECUTABLE} -9nc ${generated}/changelog > ${generated}/changelog.gz
  DEPENDS ${generated}/changelog)
add_custom_target(quarrant_packaging_files ALL
  DEPENDS ${icon_pngs} ${generated}/quarrant.1.gz ${generated}/changelog.gz)
install(FILES ${generated}/quarrant.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/changelog.gz ${packaging}/copyright
        DESTINATION ${QUARRANT_INSTALL_PACKAGEDOCDIR})
