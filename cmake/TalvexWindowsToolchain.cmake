# Cross-build for 64-bit Windows with Debian's MinGW-w64 (POSIX thread
# model), every program linked statically so that an .exe needs nothing
# beside it, and stripped. Test programs run under Wine, in a prefix inside the build
# folder, without a display.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s")

# CTest runs the test programs through Wine: in a prefix of the build
# folder's own, quiet, without a display, and without the .NET and HTML
# runtimes a new prefix would otherwise offer to install. The Wine server
# must already run (make windows starts it): a server started by a test
# program that CTest lists would keep CTest waiting for the listing's end.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
  WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY= wine)
# Wine shows the host's root folder as drive Z:.
set(TALVEX_TEST_PATH_PREFIX Z:)
