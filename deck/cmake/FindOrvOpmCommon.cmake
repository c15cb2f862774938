# Finds OPM common's parser library and headers as the imported target OrvOpm::common.
#
# OPM's own package file (opm-common-config.cmake) brings in OPM's build system: it
# enables C, looks for Boost.Test and changes the caller's module path and flags. The
# deck import needs none of that, only the library and its headers, so it looks for
# those two directly.
find_path(OrvOpmCommon_INCLUDE_DIR opm/input/eclipse/Parser/Parser.hpp)
find_library(OrvOpmCommon_LIBRARY opmcommon)
find_package(fmt CONFIG QUIET)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(OrvOpmCommon
  REQUIRED_VARS OrvOpmCommon_LIBRARY OrvOpmCommon_INCLUDE_DIR fmt_FOUND)
mark_as_advanced(OrvOpmCommon_INCLUDE_DIR OrvOpmCommon_LIBRARY)
if(OrvOpmCommon_FOUND AND NOT TARGET OrvOpm::common)
  add_library(OrvOpm::common UNKNOWN IMPORTED)
  # OPM's headers are not ours to keep warning-free: SYSTEM.
  set_target_properties(OrvOpm::common PROPERTIES
    IMPORTED_LOCATION "${OrvOpmCommon_LIBRARY}"
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${OrvOpmCommon_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES fmt::fmt)
endif()
