# Installs the built library into a fresh prefix and proves the install usable: the
# expected files are there (the versioned library with its SONAME links on ELF systems,
# the DLL and its import library on Windows), and a separate host program builds and
# runs against the prefix twice, once through the CMake package and once through
# pkg-config.
#
# Run as a test with `cmake -P`; the build passes:
#   BUILD_DIR, WORK_DIR, HOST_SOURCE_DIR, CONFIG, GENERATOR, MAKE_PROGRAM, CXX_COMPILER,
#   CXX_FLAGS, LINKER_FLAGS, TOOLCHAIN_FILE, EMULATOR, PKG_CONFIG, READELF,
#   LIBDIR, BINDIR, INCLUDEDIR (install directories relative to the prefix),
#   LIBRARY_FILE (the runtime file name), LINKER_FILE (what a host links),
#   SONAME_FILE (ELF only), WINDOWS (true when the library is a DLL).
cmake_minimum_required(VERSION 3.20)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

function(run)
  cmake_parse_arguments(RUN "" "WORKING_DIRECTORY;OUTPUT_VARIABLE" "COMMAND" ${ARGN})
  if(NOT RUN_WORKING_DIRECTORY)
    set(RUN_WORKING_DIRECTORY "${WORK_DIR}")
  endif()
  execute_process(COMMAND ${RUN_COMMAND} WORKING_DIRECTORY "${RUN_WORKING_DIRECTORY}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(JOIN " " shown ${RUN_COMMAND})
    fail("Command failed (${rc}): ${shown}\n${out}\n${err}")
  endif()
  if(RUN_OUTPUT_VARIABLE)
    set(${RUN_OUTPUT_VARIABLE} "${out}" PARENT_SCOPE)
  endif()
endfunction()

function(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}")
    fail("Not installed: ${path}")
  endif()
endfunction()

function(expect_link path target)
  if(NOT IS_SYMLINK "${PREFIX}/${path}")
    fail("Not installed as a symbolic link: ${path}")
  endif()
  file(READ_SYMLINK "${PREFIX}/${path}" actual)
  if(NOT actual STREQUAL target)
    fail("${path} points to '${actual}', expected '${target}'")
  endif()
endfunction()

# Runs a host program built for the target platform, through the emulator if any, with
# the prefix's runtime directory on the search path of a Windows host.
function(run_host exe label)
  set(command "${exe}")
  if(EMULATOR)
    set(command ${EMULATOR} "${exe}")
  endif()
  set(ENV{WINEPATH} "Z:${PREFIX}/${BINDIR}")
  run(COMMAND ${command} OUTPUT_VARIABLE out)
  message(STATUS "${label} host:\n${out}")
  if(NOT out MATCHES "InternalName +Orv\\.Tess\\.Varnak")
    fail("The ${label} host did not print the library's identity:\n${out}")
  endif()
endfunction()

set(PREFIX "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

run(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --config "${CONFIG}")

# What the prefix holds.
expect_file("${INCLUDEDIR}/Orv/Tess/Varnak.h")
expect_file("${INCLUDEDIR}/Orv/Tess/Varnak/Export.h")
expect_file("${INCLUDEDIR}/Orv/Tess/Varnak/LibraryProperties.h")
foreach(config_file OrvTessVarnakConfig OrvTessVarnakConfigVersion OrvTessVarnakTargets)
  expect_file("${LIBDIR}/cmake/OrvTessVarnak/${config_file}.cmake")
endforeach()
expect_file("${LIBDIR}/pkgconfig/orv-tess-varnak.pc")
file(GLOB internal RELATIVE "${PREFIX}/${INCLUDEDIR}" "${PREFIX}/${INCLUDEDIR}/*")
list(REMOVE_ITEM internal Orv)
if(internal)
  fail("Installed beside the public headers: ${internal}")
endif()
if(WINDOWS)
  expect_file("${BINDIR}/${LIBRARY_FILE}")
  expect_file("${LIBDIR}/${LINKER_FILE}")
else()
  # libOrv.Tess.Varnak.so -> .so.5 -> .so.5.2017.0.0, and the SONAME is the middle one,
  # so hosts keep working across minor releases of the same major version.
  expect_file("${LIBDIR}/${LIBRARY_FILE}")
  expect_link("${LIBDIR}/${SONAME_FILE}" "${LIBRARY_FILE}")
  expect_link("${LIBDIR}/${LINKER_FILE}" "${SONAME_FILE}")
  run(COMMAND "${READELF}" -d "${PREFIX}/${LIBDIR}/${LIBRARY_FILE}" OUTPUT_VARIABLE dynamic)
  if(NOT dynamic MATCHES "\\(SONAME\\)[^\n]*\\[([^]]*)\\]")
    fail("No SONAME in ${LIBRARY_FILE}")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL SONAME_FILE)
    fail("SONAME is '${CMAKE_MATCH_1}', expected '${SONAME_FILE}'")
  endif()
endif()

# Host 1: a CMake project that calls find_package(OrvTessVarnak CONFIG REQUIRED).
set(cmake_args -G "${GENERATOR}" -DCMAKE_BUILD_TYPE=${CONFIG} "-DCMAKE_PREFIX_PATH=${PREFIX}"
  "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}"
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
if(MAKE_PROGRAM)
  list(APPEND cmake_args "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}")
endif()
if(TOOLCHAIN_FILE)
  # A cross build searches packages only below its root paths; the prefix is one.
  list(APPEND cmake_args "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE}" "-DCMAKE_FIND_ROOT_PATH=${PREFIX}")
else()
  list(APPEND cmake_args "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
endif()
run(COMMAND "${CMAKE_COMMAND}" -S "${HOST_SOURCE_DIR}" -B "${WORK_DIR}/cmake-host" ${cmake_args})
run(COMMAND "${CMAKE_COMMAND}" --build "${WORK_DIR}/cmake-host")
file(GLOB cmake_host "${WORK_DIR}/cmake-host/installed_host" "${WORK_DIR}/cmake-host/installed_host.exe")
if(NOT cmake_host)
  fail("The CMake host build produced no program")
endif()
run_host("${cmake_host}" "CMake")

# Host 2: a plain compiler command line from pkg-config, with only the prefix's
# pkg-config directory searched.
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_LIBDIR} "${PREFIX}/${LIBDIR}/pkgconfig")
run(COMMAND "${PKG_CONFIG}" --modversion orv-tess-varnak OUTPUT_VARIABLE version)
string(STRIP "${version}" version)
if(NOT version STREQUAL "5.2017.0.0")
  fail("pkg-config reports version '${version}'")
endif()
run(COMMAND "${PKG_CONFIG}" --cflags --libs orv-tess-varnak OUTPUT_VARIABLE flags)
string(STRIP "${flags}" flags)
message(STATUS "pkg-config flags: ${flags}")
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra_flags UNIX_COMMAND "${CXX_FLAGS} ${LINKER_FLAGS}")
set(pc_host "${WORK_DIR}/pkg-config-host")
if(WINDOWS)
  string(APPEND pc_host ".exe")
else()
  list(APPEND extra_flags "-Wl,-rpath,${PREFIX}/${LIBDIR}")
endif()
run(COMMAND "${CXX_COMPILER}" ${extra_flags} -Wall -Wextra -Wpedantic -Werror
  "${HOST_SOURCE_DIR}/main.cpp" -o "${pc_host}" ${flags})
run_host("${pc_host}" "pkg-config")
