# Shared settings for every target of ours: strict warnings and, when asked, sanitizers.

if(QUILLANE_BUILD_FUZZERS)
  # Every library of ours is instrumented for coverage so the fuzzers can steer through it.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(QUILLANE_SANITIZE)
  if(MSVC)
    add_compile_options(/fsanitize=address)
  else()
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# Warnings are errors in the presets and in CI (CMAKE_COMPILE_WARNING_AS_ERROR), not in every build:
# a compiler newer than ours may warn where ours does not, and that must not stop a user's build.
function(quillane_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Wold-style-cast)
  endif()
endfunction()

# quillane_library(<name> SOURCES ... LINKS ...): one library per folder of src/, named quillane_<name>.
function(quillane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(quillane_${name} STATIC ${ARG_SOURCES})
  target_include_directories(quillane_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(quillane_${name} PUBLIC ${ARG_LINKS})
  target_compile_definitions(quillane_${name} PUBLIC QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII
                                                     QT_NO_CAST_TO_ASCII)
  quillane_warnings(quillane_${name})
endfunction()

# The CTest labels of a test defined in the calling folder: its top folder under tests/, so that
# `ctest -L rules` runs one layer, and `window` for tests that open windows.
function(quillane_test_labels out window)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" labels "${folder}")
  if(window)
    list(APPEND labels window)
  endif()
  set(${out} "${labels}" PARENT_SCOPE)
endfunction()

# quillane_test(<name> [WIDGETS] SOURCES ... LINKS ...): one test executable per folder of tests/,
# run by CTest. WIDGETS tests run inside a QApplication on the offscreen platform.
function(quillane_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    set(test_main quillane_widget_test_main)
  else()
    set(test_main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gmock ${test_main})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  quillane_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES)
  # Discovery flattens the list a PROPERTIES value is, so the labels are set by a script CTest runs
  # after it, over the names discovery found.
  quillane_test_labels(labels ${ARG_WIDGETS})
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_labels.cmake)
  file(WRITE ${script} "if(${name}_TESTS)\n"
                       "  set_tests_properties(\${${name}_TESTS} PROPERTIES LABELS \"${labels}\")\n"
                       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()

# quillane_xcb_test(<name> TARGET <test executable> FILTER <gtest filter>): runs the chosen window
# tests once more on X11 under a virtual X server, for what the offscreen platform does not show
# (X11's own editing keys, for one).
function(quillane_xcb_test name)
  cmake_parse_arguments(ARG "" "TARGET;FILTER" "" ${ARGN})
  find_program(XVFB_RUN xvfb-run)
  if(NOT XVFB_RUN)
    message(WARNING "xvfb-run not found (scripts/setup.sh installs it): ${name} is left out")
    return()
  endif()
  add_test(NAME ${name}
           COMMAND ${XVFB_RUN} -a $<TARGET_FILE:${ARG_TARGET}> --gtest_filter=${ARG_FILTER})
  # The X11 side's own libraries trip the sanitizers; their suppressions name those libraries
  # only. Appended with ":", the sanitizers' separator, to the options the run already has.
  set(support ${PROJECT_SOURCE_DIR}/tests/support)
  set(suppressions ASAN_OPTIONS=path_list_append:suppressions=${support}/xcb-asan.supp
                   LSAN_OPTIONS=path_list_append:suppressions=${support}/xcb-lsan.supp)
  quillane_test_labels(labels TRUE)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=xcb
                                          ENVIRONMENT_MODIFICATION "${suppressions}"
                                          LABELS "${labels}")
endfunction()
