# SPDX-License-Identifier: MIT
# Shared helpers for the project's targets.

function(morrowjar_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
endfunction()

# morrowjar_add_test(NAME SOURCES a.cc b.cc LIBS x y [TIMEOUT s] [ENV k=v ...] [LABELS l])
# Builds one GoogleTest (or Qt Test, with QTEST) executable and registers it with CTest.
function(morrowjar_add_test name)
  cmake_parse_arguments(ARG "QTEST" "TIMEOUT" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  if(NOT MORROWJAR_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  # Tests include shared helpers such as tests/temp_folder.h by their path.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  morrowjar_warnings(${name})
  if(ARG_QTEST)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  # The same English and the same date format whatever the locale of the
  # machine; tests of other languages choose their locale themselves.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT_MODIFICATION
    "LANG=set:C.UTF-8;LC_ALL=unset:;LC_MESSAGES=unset:;LC_TIME=unset:;LANGUAGE=unset:")
  if(ARG_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
  endif()
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()

# morrowjar_add_script_test(NAME SCRIPT file.sh [ARGS a ...] [ENV k=v ...] [TIMEOUT s]
#                           [X_SERVER])
# Registers a bash test script, run with ENV set. Exit status 77 means the
# script could not run here and shows as skipped. X_SERVER: the script starts
# an X server and drives windows on it; such scripts run one at a time, so
# that none waits for its server or its windows beside another's.
function(morrowjar_add_script_test name)
  cmake_parse_arguments(ARG "X_SERVER" "SCRIPT;TIMEOUT" "ARGS;ENV" ${ARGN})
  if(NOT MORROWJAR_BUILD_TESTS)
    return()
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 60)
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ${ARG_ENV} bash ${ARG_SCRIPT} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} SKIP_RETURN_CODE 77)
  if(ARG_X_SERVER)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK x_server)
  endif()
endfunction()

# morrowjar_gzip(INPUT OUTPUT): compresses a file at configure time, as Debian
# keeps man pages and changelogs (-9, and -n: no name or time in the header,
# so the same input gives the same bytes).
function(morrowjar_gzip input output)
  find_program(MORROWJAR_GZIP gzip REQUIRED)
  execute_process(COMMAND ${MORROWJAR_GZIP} -9 -n -c ${input} OUTPUT_FILE ${output}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${input}: ${failed}")
  endif()
endfunction()

# morrowjar_translated_sources(FILE ...): the sources of this folder whose
# sentences go into the translation files (tr() in the windows,
# mj::localized in plain C++). Each folder names its own;
# translations/CMakeLists.txt gathers them all.
function(morrowjar_translated_sources)
  foreach(file IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
               OUTPUT_VARIABLE absolute)
    set_property(GLOBAL APPEND PROPERTY MORROWJAR_TRANSLATED_SOURCES ${absolute})
  endforeach()
endfunction()
