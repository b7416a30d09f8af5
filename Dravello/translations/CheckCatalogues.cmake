# Extracts the program's texts again into a copy of one catalogue and fails
# when the copy then holds a message without its translation: a text added
# to the sources that the committed catalogues lack.
#   cmake -DLUPDATE=... -DLCONVERT=... -DSOURCES=<list file> -DCATALOGUE=<ts>
#         -DWORK=<scratch folder> -P CheckCatalogues.cmake
get_filename_component(name ${CATALOGUE} NAME)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
configure_file(${CATALOGUE} ${WORK}/${name} COPYONLY)
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${SOURCES} -ts ${WORK}/${name}
  RESULT_VARIABLE extracted)
if(NOT extracted EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${name}")
endif()
execute_process(COMMAND ${LCONVERT} -no-finished -no-obsolete -locations none -i ${WORK}/${name}
  OUTPUT_VARIABLE unfinished RESULT_VARIABLE converted)
if(NOT converted EQUAL 0)
  message(FATAL_ERROR "lconvert failed on ${name}")
endif()
if(unfinished MATCHES "<source>")
  message(FATAL_ERROR "Texts of the sources that ${name} lacks (run the update_translations "
    "target and translate them in every catalogue):\n${unfinished}")
endif()
