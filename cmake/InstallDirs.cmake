# Where `cmake --install` puts the deliverables; included before the
# components so that their install rules can use these folders.
include(GNUInstallDirs)

# The programs (the desktop program and the plug-in's installer tool), which
# users start through a link in the bin folder.
set(DRAVELLO_INSTALL_PROGRAMDIR ${CMAKE_INSTALL_LIBEXECDIR}/dravello)
# The import plug-in, a module that its host loads (in a folder of its own, so
# that nothing takes it for a library of the linker's path).
set(DRAVELLO_INSTALL_PLUGINDIR lib/dravello/illustrator)
# Everything the programs read and never write: support files, catalogues,
# licence pages, the templates that a first start copies.
set(DRAVELLO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/dravello)

# The programs find that folder from their own: the build tree keeps both at
# the same places below the build folder as an install keeps them below its
# prefix, so a program runs alike from either.
file(RELATIVE_PATH DRAVELLO_DATADIR_FROM_PROGRAMDIR
  /${DRAVELLO_INSTALL_PROGRAMDIR} /${DRAVELLO_INSTALL_DATADIR})
set(DRAVELLO_BUILD_PROGRAMDIR ${CMAKE_BINARY_DIR}/${DRAVELLO_INSTALL_PROGRAMDIR})
set(DRAVELLO_BUILD_DATADIR ${CMAKE_BINARY_DIR}/${DRAVELLO_INSTALL_DATADIR})

# A stripping install (`cmake --install --strip`, CPack) strips the programs
# as Debian's own tools do: besides the symbols, the compiler's notes.
set(DRAVELLO_PLAIN_STRIP ${CMAKE_STRIP})
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/strip-with-notes @ONLY CONTENT
  "#!/bin/sh\nexec \"@DRAVELLO_PLAIN_STRIP@\" --remove-section=.comment --remove-section=.note \"$@\"\n")
file(CHMOD ${CMAKE_BINARY_DIR}/strip-with-notes PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_STRIP ${CMAKE_BINARY_DIR}/strip-with-notes)

# Installs bin/<name> as a relative link to `program` in the programs' folder.
function(dravello_install_program_link program name)
  file(RELATIVE_PATH target /${CMAKE_INSTALL_BINDIR} /${DRAVELLO_INSTALL_PROGRAMDIR}/${program})
  set(link ${CMAKE_CURRENT_BINARY_DIR}/bin/${name})
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/bin)
  file(CREATE_LINK ${target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# A program built into the programs' folder of the build tree and installed
# into the install's.
function(dravello_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DRAVELLO_BUILD_PROGRAMDIR})
  install(TARGETS ${target} RUNTIME DESTINATION ${DRAVELLO_INSTALL_PROGRAMDIR})
endfunction()

# Files the programs read: copied into the build tree's data folder and
# installed into the install's, below `subfolder` (may be empty), under their
# own names or, with RENAME, under one other.
#   dravello_data(SUBFOLDER s FILES f... [RENAME name])
function(dravello_data)
  cmake_parse_arguments(D "" "SUBFOLDER;RENAME" "FILES" ${ARGN})
  foreach(file IN LISTS D_FILES)
    get_filename_component(name ${file} NAME)
    if(D_RENAME)
      set(name ${D_RENAME})
    endif()
    configure_file(${file} ${DRAVELLO_BUILD_DATADIR}/${D_SUBFOLDER}/${name} COPYONLY)
    install(FILES ${file} DESTINATION ${DRAVELLO_INSTALL_DATADIR}/${D_SUBFOLDER} RENAME ${name})
  endforeach()
endfunction()
