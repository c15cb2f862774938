# Installs the build into a fresh prefix and imports the installed package from the
# prefix's site folder alone, as docs/python.md tells a user to.
# cmake -DBUILD_DIR= -DPREFIX= -DSITE_DIR= -DPYTHON= -P InstallCheck.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env --unset=PYTHONPATH "PYTHONPATH=${PREFIX}/${SITE_DIR}"
    "${PYTHON}" -c "import orv_tess_varnak as o; print(o.__file__, o.getLibProperty(1))"
  WORKING_DIRECTORY "${PREFIX}" OUTPUT_VARIABLE imported COMMAND_ERROR_IS_FATAL ANY)
if(NOT imported MATCHES "^${PREFIX}/${SITE_DIR}/orv_tess_varnak/__init__.py")
  message(FATAL_ERROR "imported from elsewhere: ${imported}")
endif()
