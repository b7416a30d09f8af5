# The program's translation files, compiled from the .ts sources in this
# folder into the data folder's "translations". The toolkit's own texts come
# from the catalogues of the Qt installation, where the program loads them.
#
# The .ts files are extracted from the sources and forms and committed. After
# changing the program's texts, extract them again and translate what is new:
#   cmake --build build --target update_translations
#   cmake --build build --target unfinished_translations   (lists what is left)
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

file(GLOB DRAVELLO_TS_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.ts)
set_source_files_properties(${DRAVELLO_TS_FILES} PROPERTIES OUTPUT_LOCATION ${DRAVELLO_BUILD_DATADIR}/translations)
qt_add_lrelease(dravello_core TS_FILES ${DRAVELLO_TS_FILES} QM_FILES_OUTPUT_VARIABLE DRAVELLO_QM_FILES)
install(FILES ${DRAVELLO_QM_FILES} DESTINATION ${DRAVELLO_INSTALL_DATADIR}/translations)

# English is the source language: its catalogue holds only plural forms.
set(DRAVELLO_SOURCE_TS_FILE ${CMAKE_CURRENT_LIST_DIR}/dravello_en.ts)
set(DRAVELLO_TRANSLATED_TS_FILES ${DRAVELLO_TS_FILES})
list(REMOVE_ITEM DRAVELLO_TRANSLATED_TS_FILES ${DRAVELLO_SOURCE_TS_FILE})
# No line numbers: they would change with every edit of the sources.
set(DRAVELLO_LUPDATE_OPTIONS -no-obsolete -locations none)
set(DRAVELLO_TEXT_SOURCES ${DRAVELLO_CORE_SOURCES} ${DRAVELLO_FORMS} ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
qt_add_lupdate(dravello_core TS_FILES ${DRAVELLO_TRANSLATED_TS_FILES} SOURCES ${DRAVELLO_TEXT_SOURCES}
  OPTIONS ${DRAVELLO_LUPDATE_OPTIONS})
qt_add_lupdate(Dravello TS_FILES ${DRAVELLO_SOURCE_TS_FILE} SOURCES ${DRAVELLO_TEXT_SOURCES}
  OPTIONS ${DRAVELLO_LUPDATE_OPTIONS} -pluralonly)

# A test: extracting the texts again finds none that a catalogue lacks, in
# each of the translated catalogues.
if(DRAVELLO_TESTS)
  set(text_source_list ${CMAKE_CURRENT_BINARY_DIR}/text_sources.lst)
  string(REPLACE ";" "\n" text_source_lines "${DRAVELLO_TEXT_SOURCES}")
  file(GENERATE OUTPUT ${text_source_list} CONTENT "${text_source_lines}\n")
  set(catalogue_list ${CMAKE_CURRENT_BINARY_DIR}/translated_catalogues.lst)
  string(REPLACE ";" "\n" catalogue_lines "${DRAVELLO_TRANSLATED_TS_FILES}")
  file(GENERATE OUTPUT ${catalogue_list} CONTENT "${catalogue_lines}\n")
  add_test(NAME catalogues_hold_every_text
    COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DLCONVERT=$<TARGET_FILE:Qt6::lconvert>
            -DSOURCES=${text_source_list} -DCATALOGUES=${catalogue_list}
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/catalogue_check
            -P ${CMAKE_CURRENT_LIST_DIR}/CheckCatalogues.cmake)
  set_tests_properties(catalogues_hold_every_text PROPERTIES LABELS unit)
endif()

# Prints, per catalogue, the messages that still want a translation.
set(list_commands)
foreach(ts IN LISTS DRAVELLO_TRANSLATED_TS_FILES)
  get_filename_component(name ${ts} NAME)
  list(APPEND list_commands COMMAND ${CMAKE_COMMAND} -E echo "== ${name}"
    COMMAND Qt6::lconvert -no-finished -no-obsolete -locations none -i ${ts})
endforeach()
add_custom_target(unfinished_translations ${list_commands} VERBATIM)
