# Build helpers shared by every component.

# Adds a component folder once it has its own CMakeLists.txt.
function(dravello_subdirectory dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# Collects the C++ sources below the given folders (relative to the current source folder).
function(dravello_sources out)
  set(patterns)
  foreach(dir IN LISTS ARGN)
    list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
  endforeach()
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${patterns})
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Folder in the build tree where a test runs (so files it names relative to it stay out of the sources).
function(dravello_test_workdir out name)
  set(dir ${CMAKE_BINARY_DIR}/test-work/${name})
  file(MAKE_DIRECTORY ${dir})
  set(${out} ${dir} PARENT_SCOPE)
endfunction()

# One GoogleTest executable from every source of DIR, its tests labelled unit.
# (gtest_discover_tests cannot carry a list of labels.)
#   dravello_gtest(NAME n DIR d LIBS l...)
function(dravello_gtest)
  cmake_parse_arguments(T "" "NAME;DIR" "LIBS" ${ARGN})
  dravello_sources(srcs ${T_DIR})
  if(NOT srcs)
    return()
  endif()
  add_executable(${T_NAME} ${srcs})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${T_NAME} PRIVATE
    DRAVELLO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  dravello_test_workdir(workdir ${T_NAME})
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${workdir}
    PROPERTIES LABELS unit
    DISCOVERY_TIMEOUT 60)
endfunction()

# One Qt Test executable per tst_*.cpp of DIR; the folder's other sources are shared by them.
#   dravello_qttest(DIR d LIBS l... [LABELS gui threaded ...] [INCLUDES folder...])
function(dravello_qttest)
  cmake_parse_arguments(T "" "DIR" "LIBS;LABELS;INCLUDES" ${ARGN})
  if(NOT T_LABELS)
    set(T_LABELS gui)
  endif()
  dravello_sources(all ${T_DIR})
  set(shared)
  set(tests)
  foreach(src IN LISTS all)
    get_filename_component(base ${src} NAME_WE)
    if(base MATCHES "^tst_")
      list(APPEND tests ${src})
    else()
      list(APPEND shared ${src})
    endif()
  endforeach()
  foreach(src IN LISTS tests)
    get_filename_component(base ${src} NAME_WE)
    add_executable(${base} ${src} ${shared})
    target_link_libraries(${base} PRIVATE ${T_LIBS} Qt6::Test)
    if(DRAVELLO_SANITIZE MATCHES "thread")
      # The thread sanitizer's view of Qt's event queue (tests/tsan).
      target_link_libraries(${base} PRIVATE tsan_qt_event_order)
    endif()
    target_include_directories(${base} PRIVATE ${T_INCLUDES})
    set_target_properties(${base} PROPERTIES AUTOMOC ON)
    dravello_autogen_tracks_sources(${base} ${src} ${shared})
    target_compile_definitions(${base} PRIVATE
      DRAVELLO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    dravello_test_workdir(workdir ${base})
    add_test(NAME ${base} COMMAND ${base} WORKING_DIRECTORY ${workdir})
    set_tests_properties(${base} PROPERTIES LABELS "${T_LABELS}"
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=*.debug=false")
  endforeach()
endfunction()

# A Google Benchmark executable, registered under the label bench (never run by CI).
function(dravello_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  dravello_test_workdir(workdir ${B_NAME})
  add_test(NAME ${B_NAME} COMMAND ${B_NAME} WORKING_DIRECTORY ${workdir})
  set_tests_properties(${B_NAME} PROPERTIES LABELS bench)
endfunction()

# A libFuzzer target; the test of label fuzz runs it briefly over its seed corpus.
#   dravello_fuzzer(NAME n SOURCES s... LIBS l... [CORPUS dir...] [SECONDS n])
function(dravello_fuzzer)
  cmake_parse_arguments(F "" "NAME;SECONDS" "SOURCES;LIBS;CORPUS" ${ARGN})
  if(NOT F_SECONDS)
    set(F_SECONDS 20)
  endif()
  add_executable(${F_NAME} ${F_SOURCES})
  target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_compile_definitions(${F_NAME} PRIVATE DRAVELLO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  dravello_test_workdir(workdir ${F_NAME})
  set(corpus ${workdir}/corpus)
  file(MAKE_DIRECTORY ${corpus})
  set(args ${corpus})
  if(F_CORPUS)
    list(APPEND args ${F_CORPUS})
  endif()
  add_test(NAME ${F_NAME} COMMAND ${F_NAME} -max_total_time=${F_SECONDS} -rss_limit_mb=1024
    -timeout=10 ${args} WORKING_DIRECTORY ${workdir})
  set_tests_properties(${F_NAME} PROPERTIES LABELS fuzz TIMEOUT 300)
  # Scratch files in memory: targets that save would otherwise spend their
  # time waiting for the disk.
  if(IS_DIRECTORY /dev/shm)
    set_tests_properties(${F_NAME} PROPERTIES ENVIRONMENT TMPDIR=/dev/shm)
  endif()
endfunction()

# Adds every subfolder of the current source folder that has its own CMakeLists.txt
# (one per component), in name order, skipping the given names.
function(dravello_component_folders)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    get_filename_component(name ${child} NAME)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt AND NOT name IN_LIST ARGN)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# Makes Qt's moc/uic step of target run again when its list of sources
# changes: an existing build folder otherwise misses headers and forms that a
# merge adds, because the step only watches the files it saw last time.
function(dravello_autogen_tracks_sources target)
  string(REPLACE ";" "\n" listing "${ARGN}")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(previous "")
  if(EXISTS ${stamp})
    file(READ ${stamp} previous)
  endif()
  if(NOT previous STREQUAL "${listing}\n")
    # The step keeps a parse cache and a time stamp that outlive a new list.
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${target}_autogen.dir/ParseCache.txt
                ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
  file(CONFIGURE OUTPUT ${stamp} CONTENT "${listing}\n" @ONLY)
  set_property(TARGET ${target} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${stamp})
endfunction()
