# Helpers that turn a source folder into a library. Their test programs are
# made in tests/CMakeLists.txt.

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

# Core area: every .cpp directly in DIR and its subfolders except view/ and
# main/ folders, those of the other system left out.
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
endfunction()

# View area: every .cpp and .h in the listed folders (not their subfolders),
# built with Qt.
function(talvex_view_area name dirs deps)
  set(sources "")
  foreach(dir ${dirs})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h
         ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(talvex_${name} STATIC ${sources})
    target_include_directories(talvex_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(talvex_${name} PUBLIC Qt6::Widgets ${deps})
  else()
    add_library(talvex_${name} INTERFACE)
    target_link_libraries(talvex_${name} INTERFACE Qt6::Widgets ${deps})
  endif()
endfunction()
