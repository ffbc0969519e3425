# GoogleTest and GoogleMock built from Debian's sources (package googletest)
# for a cross-build, which cannot use the host's libraries. They define the
# same GTest:: targets as find_package(GTest).
set(TALVEX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TALVEX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
