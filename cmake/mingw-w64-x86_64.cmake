# Cross-builds the library for 64-bit Windows with MinGW-w64 (posix thread model, Debian
# package g++-mingw-w64-x86-64-posix), producing Orv.Tess.Varnak.dll with its import
# library libOrv.Tess.Varnak.dll.a and its version resource:
#
#   cmake --preset mingw        (CMakePresets.json; build-mingw/)
#
# With Wine installed (Debian packages wine and wine64) the project runs its Windows test
# programs under wine64 (see cmake/Wine.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries, headers and packages come from the MinGW sysroot and from any root a caller
# adds with -DCMAKE_FIND_ROOT_PATH=...; programs come from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
