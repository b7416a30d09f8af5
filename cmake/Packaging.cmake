# Included after every component: the install's last step, the package's
# documents, and the .deb that CPack builds from the same install
# (`cpack -G DEB` in the build folder).

# A plain install (no DESTDIR) refreshes the desktop's caches so that file
# managers know the sketch types and the program at once; a package leaves
# that to the package manager's triggers.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    set(share "${CMAKE_INSTALL_PREFIX}/share")
    find_program(DRAVELLO_MIME_UPDATE update-mime-database NO_CACHE)
    find_program(DRAVELLO_DESKTOP_UPDATE update-desktop-database NO_CACHE)
    find_program(DRAVELLO_ICON_UPDATE gtk-update-icon-cache NO_CACHE)
    if(DRAVELLO_MIME_UPDATE)
      execute_process(COMMAND ${DRAVELLO_MIME_UPDATE} "${share}/mime")
    endif()
    if(DRAVELLO_DESKTOP_UPDATE)
      execute_process(COMMAND ${DRAVELLO_DESKTOP_UPDATE} "${share}/applications")
    endif()
    if(DRAVELLO_ICON_UPDATE)
      execute_process(COMMAND ${DRAVELLO_ICON_UPDATE} -q -t "${share}/icons/hicolor")
    endif()
  endif()
]])

set(DRAVELLO_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(DRAVELLO_CONTACT "Scrivet Dravello developers <dravello@scrivet.com>" CACHE STRING
  "Maintainer of the .deb")

# The changelog's newest entry names the version being built.
file(STRINGS ${DRAVELLO_PACKAGING}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^dravello \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with an entry for ${PROJECT_VERSION}")
endif()

# Gzips `source` (reproducibly: no name, no time) into the build folder as
# `name`.gz and installs that into `destination`.
function(dravello_install_gzipped source name destination)
  set(gzipped ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9 -n -c ${source} > ${gzipped}
    DEPENDS ${source}
    VERBATIM)
  add_custom_target(dravello_gzip_${name} ALL DEPENDS ${gzipped})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()

configure_file(${DRAVELLO_PACKAGING}/dravello.1.in ${CMAKE_BINARY_DIR}/packaging/dravello.1 @ONLY)
dravello_install_gzipped(${CMAKE_BINARY_DIR}/packaging/dravello.1 dravello.1 ${CMAKE_INSTALL_MANDIR}/man1)
dravello_install_gzipped(${DRAVELLO_PACKAGING}/changelog changelog ${CMAKE_INSTALL_DATAROOTDIR}/doc/dravello)
install(FILES ${DRAVELLO_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/dravello)

set(CPACK_PACKAGE_NAME dravello)
set(CPACK_PACKAGE_VENDOR Scrivet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DRAVELLO_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The long description, in lines of at most 80 columns (CPack puts the
# summary before it and marks the empty lines between paragraphs).
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Computer-side software of the Scrivet digital pen")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The Scrivet pen's receiver clips to a paper pad and records every stroke
drawn on the paper. Dravello notices the receiver when it is plugged in,
shows its sketches and any local folder as pages of thumbnails, moves the
sketches off the receiver, and sets the receiver up.

A sketch opens in a layer editor (show, hide, split, merge, rename and delete
layers) and a stroke-by-stroke player; it is saved as InkML, exported as
PNG, JPEG, BMP, TIFF, PDF or SVG, printed or mailed.

The package also holds the import plug-in for a vector-drawing application
and the tool that installs it.")
# Libraries the programs link come from dpkg-shlibdeps; the toolkit's
# image-format plug-ins (TIFF export) and catalogues are loaded at run time,
# and the desktop hand-offs use xdg-utils.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The only maintainer script: a purge removes what the installer tool
# recorded in /var/lib/dravello. Caches of the desktop are refreshed by the
# package manager's triggers.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${DRAVELLO_PACKAGING}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
