# Helpers that turn a source folder into a library. Their test programs are
# made in tests/CMakeLists.txt.

# Core area: every .cpp directly in DIR and its subfolders except view/ and
# main/ folders.
function(talvex_core_area name dir deps)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${dir}/(.*/)?(view|main)/")
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
