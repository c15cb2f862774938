# Runs the Windows programs of a cross build under Wine: generates <build>/wine-run, a
# wrapper around wine64 that uses a Wine prefix of this build (created on first use) and
# finds the MinGW runtime DLLs (libstdc++, libgcc, winpthread) where the cross compiler
# keeps them, through WINEPATH; nothing is copied. The wrapper becomes the build's
# CMAKE_CROSSCOMPILING_EMULATOR, which ctest and GoogleTest's test discovery use.
if(NOT (CMAKE_CROSSCOMPILING AND WIN32) OR CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()

find_program(ORV_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NOT ORV_WINE64)
  message(STATUS "wine64 not found: the Windows tests are built but not run")
  return()
endif()

set(ORV_WINE_DLL_DIRS "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found by ${CMAKE_CXX_COMPILER}")
  endif()
  get_filename_component(dll_dir "${dll_path}" DIRECTORY)
  file(REAL_PATH "${dll_dir}" dll_dir)
  list(APPEND ORV_WINE_DLL_DIRS "Z:${dll_dir}")
endforeach()
list(REMOVE_DUPLICATES ORV_WINE_DLL_DIRS)
set(ORV_WINEPATH "${ORV_WINE_DLL_DIRS}")  # a;b: Wine's separator is CMake's
set(ORV_WINEPREFIX "${PROJECT_BINARY_DIR}/wine-prefix")
configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.in" "${PROJECT_BINARY_DIR}/wine-run" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_BINARY_DIR}/wine-run")
