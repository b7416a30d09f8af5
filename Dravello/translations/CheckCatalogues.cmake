# Extracts the program's texts again into copies of the catalogues and fails
# when a copy then holds a message without its translation: a text of the
# sources that the committed catalogue lacks. Every catalogue is checked and
# each one's missing texts are listed.
#   cmake -DLUPDATE=... -DLCONVERT=... -DSOURCES=<list file> -DCATALOGUES=<list file>
#         -DWORK=<scratch folder> -P CheckCatalogues.cmake
file(STRINGS ${CATALOGUES} catalogues)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name ${catalogue} NAME)
  configure_file(${catalogue} ${WORK}/${name} COPYONLY)
  list(APPEND copies ${WORK}/${name})
endforeach()
if(NOT copies)
  message(FATAL_ERROR "no catalogues listed in ${CATALOGUES}")
endif()
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${SOURCES} -ts ${copies}
  RESULT_VARIABLE extracted)
if(NOT extracted EQUAL 0)
  message(FATAL_ERROR "lupdate failed")
endif()
set(lacking)
foreach(copy IN LISTS copies)
  get_filename_component(name ${copy} NAME)
  execute_process(COMMAND ${LCONVERT} -no-finished -no-obsolete -locations none -i ${copy}
    OUTPUT_VARIABLE unfinished RESULT_VARIABLE converted)
  if(NOT converted EQUAL 0)
    message(FATAL_ERROR "lconvert failed on ${name}")
  endif()
  if(unfinished MATCHES "<source>")
    string(APPEND lacking "${name}:\n${unfinished}\n")
  endif()
endforeach()
if(lacking)
  message(FATAL_ERROR "Texts of the sources that catalogues lack (run the update_translations "
    "target and translate them in every catalogue):\n${lacking}")
endif()
