# Where `cmake --install` puts the deliverables; included before the
# components so that their install rules can use these folders.
include(GNUInstallDirs)

# The program's folder: the program with everything it finds beside itself
# (support files, translations, help), the plug-in and its installer tool.
# Users start the program through a link in the bin folder; the program
# resolves the link to find its folder.
set(DRAVELLO_INSTALL_PROGRAMDIR lib/dravello)

# The system support folder, at the fixed path where the program looks for it.
set(DRAVELLO_INSTALL_SYSTEM_SUPPORTDIR "/Library/Application Support/Scrivet" CACHE PATH
  "Where the install puts the system support files (the program reads them from this fixed path)")

# Installs bin/<name> as a relative link to `program` in the program's folder.
function(dravello_install_program_link program name)
  file(RELATIVE_PATH target /${CMAKE_INSTALL_BINDIR} /${DRAVELLO_INSTALL_PROGRAMDIR}/${program})
  set(link ${CMAKE_CURRENT_BINARY_DIR}/bin/${name})
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/bin)
  file(CREATE_LINK ${target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
