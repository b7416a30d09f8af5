# The program on the desktop: its entry (which file managers offer for
# sketches), the sketch file types, its icon in the hicolor theme and its
# AppStream description.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/Dravello.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/dravello-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME dravello.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/com.scrivet.Dravello.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The tray start at login, which the first start copies into the user's
# autostart folder.
dravello_data(FILES ${CMAKE_CURRENT_LIST_DIR}/scrivet-dravello-tray.desktop)

# The program's window icon, scaled to the theme's usual sizes (without time
# stamps, so that the files are the same on every build).
find_program(DRAVELLO_CONVERT convert REQUIRED)
set(icon_source ${CMAKE_CURRENT_SOURCE_DIR}/resources/dialogs/appicon/Dodure_64X64.png)
set(icons)
foreach(size IN ITEMS 16 24 32 48 64)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
  add_custom_command(OUTPUT ${folder}/dravello.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${DRAVELLO_CONVERT} ${icon_source} -resize ${size}x${size} -strip
            -define png:exclude-chunks=date,time ${folder}/dravello.png
    DEPENDS ${icon_source}
    VERBATIM)
  list(APPEND icons ${folder}/dravello.png)
  install(FILES ${folder}/dravello.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(dravello_icons ALL DEPENDS ${icons})
