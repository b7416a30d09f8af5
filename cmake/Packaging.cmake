# Included after every component: the install's last step, and the .deb
# that CPack builds from the same install (`cpack -G DEB` in the build folder).

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

set(CPACK_PACKAGE_NAME dravello)
set(CPACK_PACKAGE_VENDOR Scrivet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Computer-side software of the Scrivet digital pen")
set(CPACK_PACKAGE_DESCRIPTION
  "Finds the pen's receiver, browses and moves its sketches, edits their layers, plays strokes back, saves InkML and exports images, PDF and SVG.")
set(CPACK_PACKAGE_CONTACT "Dravello developers <dravello@localhost>" CACHE STRING "Maintainer of the .deb")
# The system support folder lies outside the prefix: the package is
# installed below a DESTDIR, which takes absolute destinations too.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Libraries the programs link come from dpkg-shlibdeps; the toolkit's
# image-format plug-ins (TIFF export) are loaded at run time, and the
# desktop hand-offs use xdg-utils.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
