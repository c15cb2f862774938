# Install rules: the versioned library, its public headers (the header set), a CMake
# package (find_package(OrvTessVarnak)) and a pkg-config file (orv-tess-varnak).
include(CMakePackageConfigHelpers)

install(TARGETS OrvTessVarnak EXPORT OrvTessVarnakTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT OrvTessVarnakTargets
  NAMESPACE Orv::Tess::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/OrvTessVarnak)
configure_package_config_file(cmake/OrvTessVarnakConfig.cmake.in
  "${PROJECT_BINARY_DIR}/OrvTessVarnakConfig.cmake"
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/OrvTessVarnak)
write_basic_package_version_file("${PROJECT_BINARY_DIR}/OrvTessVarnakConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion)
install(FILES
  "${PROJECT_BINARY_DIR}/OrvTessVarnakConfig.cmake"
  "${PROJECT_BINARY_DIR}/OrvTessVarnakConfigVersion.cmake"
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/OrvTessVarnak)

# The pc file names its prefix relative to its own directory (${pcfiledir}): one ".." per
# component of <libdir>/pkgconfig, so that it stays right wherever the tree is installed
# (cmake --install --prefix) or moved. Absolute install directories are written as given.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(ORV_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  cmake_path(NORMAL_PATH CMAKE_INSTALL_LIBDIR OUTPUT_VARIABLE orv_pc_dir)
  string(REGEX REPLACE "[^/]+" ".." orv_pc_up "${orv_pc_dir}/pkgconfig")
  set(ORV_PC_PREFIX "\${pcfiledir}/${orv_pc_up}")
endif()
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(ORV_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(ORV_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file(cmake/orv-tess-varnak.pc.in "${PROJECT_BINARY_DIR}/orv-tess-varnak.pc" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/orv-tess-varnak.pc"
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
