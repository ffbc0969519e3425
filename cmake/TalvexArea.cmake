# Helpers that turn a source folder into a library and its tests folder
# (the same path under tests/, without the leading src/) into test programs.

# A file that holds one system's side of something is named for it:
# NAME_posix.cpp or NAME_windows.cpp, NAME_posix_test.cpp or
# NAME_windows_test.cpp. Keeps in the list `files` only those of the system
# built for.
function(talvex_keep_platform_files files)
  if(WIN32)
    list(FILTER ${files} EXCLUDE REGEX "_posix(_test)?\\.cpp$")
  else()
    list(FILTER ${files} EXCLUDE REGEX "_windows(_test)?\\.cpp$")
  endif()
  set(${files} ${${files}} PARENT_SCOPE)
endfunction()

# Every program of a Windows build carries the resources of
# packaging/windows (UTF-8 as its code page); nothing elsewhere.
function(talvex_program_resources target)
  if(WIN32)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/packaging/windows/program_resources.rc)
  endif()
endfunction()

# One GoogleTest program `name` of the *_test.cpp files in tests/TEST_DIR,
# linked with `deps`, registered test by test with CTest. Nothing when tests
# are not built or the folder holds none. Further arguments: PROGRAMS, built
# programs the tests run; TIMEOUT, seconds for each test.
function(talvex_gtest_program name test_dir deps)
  cmake_parse_arguments(PARSE_ARGV 3 opt "" "TIMEOUT" "PROGRAMS")
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${test_dir}/*_test.cpp)
  talvex_keep_platform_files(tests)
  if(NOT tests OR NOT TALVEX_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${tests})
  talvex_program_resources(${name})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${deps} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(opt_PROGRAMS)
    add_dependencies(${name} ${opt_PROGRAMS})
  endif()
  # TALVEX_TEST_PATH_PREFIX: how the test programs see the host's folders
  # ("Z:" under Wine).
  set(seen_from ${TALVEX_TEST_PATH_PREFIX})
  set(properties ENVIRONMENT
    "TALVEX_BIN=${seen_from}${CMAKE_BINARY_DIR}/bin;TALVEX_SOURCE=${seen_from}${CMAKE_SOURCE_DIR}")
  if(opt_TIMEOUT)
    list(PREPEND properties TIMEOUT ${opt_TIMEOUT})
  endif()
  # A cross-build lists its tests when CTest runs, through the emulator.
  set(discovery "")
  if(CMAKE_CROSSCOMPILING)
    set(discovery DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
  gtest_discover_tests(${name} NO_PRETTY_VALUES WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    ${discovery} PROPERTIES ${properties})
endfunction()

# Core area: every .cpp directly in DIR and its subfolders except view/ and
# main/ folders. Tests: tests/DIR/*_test.cpp, one GoogleTest program.
function(talvex_core_area name dir deps)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${dir}/(.*/)?(view|main)/")
  talvex_keep_platform_files(sources)
  if(sources)
    add_library(talvex_${name} STATIC ${sources})
    target_include_directories(talvex_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(talvex_${name} PUBLIC ${deps})
  else()
    add_library(talvex_${name} INTERFACE)
    target_include_directories(talvex_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(talvex_${name} INTERFACE ${deps})
  endif()

  string(REGEX REPLACE "^src/" "" test_dir ${dir})
  talvex_gtest_program(${name}_tests ${test_dir} talvex_${name})
endfunction()

# View area: every .cpp and .h in the listed folders (not their subfolders),
# built with Qt. Tests: tests/<folder>/*_test.cpp, one Qt Test program each,
# run offscreen.
function(talvex_view_area name dirs deps)
  set(sources "")
  set(test_sources "")
  foreach(dir ${dirs})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h
         ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
    list(APPEND sources ${found})
    string(REGEX REPLACE "^src/" "" test_dir ${dir})
    file(GLOB found_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${test_dir}/*_test.cpp)
    list(APPEND test_sources ${found_tests})
  endforeach()
  if(sources)
    add_library(talvex_${name} STATIC ${sources})
    target_include_directories(talvex_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(talvex_${name} PUBLIC Qt6::Widgets ${deps})
  else()
    add_library(talvex_${name} INTERFACE)
    target_link_libraries(talvex_${name} INTERFACE Qt6::Widgets ${deps})
  endif()
  if(NOT TALVEX_BUILD_TESTS)
    set(test_sources "")
  endif()
  foreach(test ${test_sources})
    get_filename_component(test_name ${test} NAME_WE)
    add_executable(${test_name} ${test})
    target_include_directories(${test_name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${test_name} PRIVATE talvex_${name} Qt6::Test)
    set_target_properties(${test_name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TALVEX_BIN=${CMAKE_BINARY_DIR}/bin;TALVEX_SOURCE=${CMAKE_SOURCE_DIR}")
  endforeach()
endfunction()
