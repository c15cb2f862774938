# Checks of the source layout, run as tests with `cmake -P`:
#
#   -DCHECK=floors   -DSOURCE_DIR=<repository>
#       Each folder under src/ is a floor and includes only the floors below it:
#         frame < water, initial < fluidmodel < blackoil, compositional < registry;
#         surface uses frame only and sits below registry; copy works through the public
#         interfaces and uses frame only. Public headers ("Orv/...") are fine anywhere.
#       Internal includes name their floor ("frame/Message.h"); "../" is not allowed.
#   -DCHECK=umbrella -DSOURCE_DIR=<repository>
#       The umbrella header Orv/Tess/Varnak.h includes every public header.
#   -DCHECK=selftest -DWORK_DIR=<scratch directory>
#       Runs the floor check on a small tree with known faults and compares its findings.
cmake_minimum_required(VERSION 3.20)

set(floors frame water initial fluidmodel blackoil compositional surface registry copy)
set(allowed_frame frame)
set(allowed_water frame water)
set(allowed_initial frame initial)
set(allowed_fluidmodel frame water initial fluidmodel)
set(allowed_blackoil frame water initial fluidmodel blackoil)
set(allowed_compositional frame water initial fluidmodel compositional)
set(allowed_surface frame surface)
set(allowed_registry frame water initial fluidmodel blackoil compositional surface registry)
set(allowed_copy frame copy)

# Collects one line per fault under `root`/src into the list named by `out`.
function(check_floors root out)
  set(faults "")
  file(GLOB folders LIST_DIRECTORIES true RELATIVE "${root}/src" "${root}/src/*")
  list(REMOVE_ITEM folders CMakeLists.txt)  # the library's build file, with its source list
  foreach(floor IN LISTS folders)
    if(NOT IS_DIRECTORY "${root}/src/${floor}")
      list(APPEND faults "src/${floor}: sources belong in a floor folder")
      continue()
    endif()
    if(NOT floor IN_LIST floors)
      list(APPEND faults "src/${floor}: not a known floor (${floors})")
      continue()
    endif()
    string(JOIN ", " allowed_text ${allowed_${floor}})
    file(GLOB_RECURSE files RELATIVE "${root}" "${root}/src/${floor}/*")
    list(SORT files)
    foreach(file IN LISTS files)
      if(NOT file MATCHES "\\.(cpp|h|hpp|inl|rc)$")
        continue()
      endif()
      file(STRINGS "${root}/${file}" lines REGEX "^[ \t]*#[ \t]*include")
      foreach(line IN LISTS lines)
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([\"<])([^\">]+)[\">]")
          continue()
        endif()
        set(quote "${CMAKE_MATCH_1}")
        set(path "${CMAKE_MATCH_2}")
        if(path MATCHES "^Orv/")
          continue()
        endif()
        if(path MATCHES "(^|/)\\.\\.(/|$)")
          list(APPEND faults "${file}: includes \"${path}\"; name the floor instead of \"../\"")
          continue()
        endif()
        if(NOT path MATCHES "^([^/]+)/")
          continue()  # same folder, generated header or standard header
        endif()
        set(target "${CMAKE_MATCH_1}")
        if(target IN_LIST floors)
          if(NOT target IN_LIST allowed_${floor})
            list(APPEND faults
              "${file}: includes \"${path}\", but ${floor} may include only ${allowed_text}")
          endif()
        elseif(quote STREQUAL "\"")
          list(APPEND faults "${file}: includes \"${path}\", which is no floor and no public header")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(${out} "${faults}" PARENT_SCOPE)
endfunction()

function(report_and_fail faults what)
  list(LENGTH faults count)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "${count} ${what}:\n  ${text}")
endfunction()

if(CHECK STREQUAL "floors")
  check_floors("${SOURCE_DIR}" faults)
  if(faults)
    report_and_fail("${faults}" "includes across floors")
  endif()
  message(STATUS "Every floor includes only the floors below it")

elseif(CHECK STREQUAL "umbrella")
  set(umbrella "${SOURCE_DIR}/include/Orv/Tess/Varnak.h")
  file(STRINGS "${umbrella}" included REGEX "^#include \"Orv/Tess/Varnak/[^\"]+\"")
  list(TRANSFORM included REPLACE "^#include \"([^\"]+)\".*" "\\1")
  file(GLOB_RECURSE headers RELATIVE "${SOURCE_DIR}/include" "${SOURCE_DIR}/include/Orv/Tess/Varnak/*.h")
  list(SORT headers)
  set(faults "")
  foreach(header IN LISTS headers)
    if(NOT header IN_LIST included)
      list(APPEND faults "${header}")
    endif()
  endforeach()
  if(faults)
    report_and_fail("${faults}" "public headers missing from Orv/Tess/Varnak.h")
  endif()
  message(STATUS "Orv/Tess/Varnak.h includes every public header")

elseif(CHECK STREQUAL "selftest")
  # A tree with one allowed include of each kind and one fault of each kind.
  set(root "${WORK_DIR}/layout-selftest")
  file(REMOVE_RECURSE "${root}")
  file(WRITE "${root}/src/frame/Message.h" "#include <string>\n#include \"LibraryIdentity.h\"\n")
  file(WRITE "${root}/src/frame/Bad.cpp" "#include \"water/Salt.h\"\n")
  file(WRITE "${root}/src/blackoil/Table.cpp"
    "#include \"Orv/Tess/Varnak/IOilTable.h\"\n#include \"frame/Message.h\"\n"
    "#include \"fluidmodel/Base.h\"\n  #  include \"compositional/Eos.h\"\n"
    "#include \"../frame/Message.h\"\n#include <registry/Registry.h>\n")
  file(WRITE "${root}/src/surface/Stage.cpp" "#include \"initial/Depth.h\"\n")
  file(WRITE "${root}/src/copy/Copy.cpp" "#include \"frame/Message.h\"\n#include \"blackoil/Oil.h\"\n")
  file(WRITE "${root}/src/registry/Registry.cpp"
    "#include \"blackoil/Model.h\"\n#include \"surface/Stage.h\"\n#include \"copy/Copy.h\"\n"
    "#include \"tools/Helper.h\"\n")
  file(WRITE "${root}/src/misc/Thing.cpp" "")
  file(WRITE "${root}/src/Loose.cpp" "")
  check_floors("${root}" faults)
  set(expected
    "src/Loose.cpp: sources belong in a floor folder"
    "src/blackoil/Table.cpp: includes \"compositional/Eos.h\", but blackoil may include only frame, water, initial, fluidmodel, blackoil"
    "src/blackoil/Table.cpp: includes \"../frame/Message.h\"; name the floor instead of \"../\""
    "src/blackoil/Table.cpp: includes \"registry/Registry.h\", but blackoil may include only frame, water, initial, fluidmodel, blackoil"
    "src/copy/Copy.cpp: includes \"blackoil/Oil.h\", but copy may include only frame, copy"
    "src/frame/Bad.cpp: includes \"water/Salt.h\", but frame may include only frame"
    "src/misc: not a known floor (${floors})"
    "src/registry/Registry.cpp: includes \"copy/Copy.h\", but registry may include only frame, water, initial, fluidmodel, blackoil, compositional, surface, registry"
    "src/registry/Registry.cpp: includes \"tools/Helper.h\", which is no floor and no public header"
    "src/surface/Stage.cpp: includes \"initial/Depth.h\", but surface may include only frame, surface")
  if(NOT faults STREQUAL expected)
    list(JOIN faults "\n  " got)
    list(JOIN expected "\n  " want)
    message(FATAL_ERROR "The floor check found:\n  ${got}\nexpected:\n  ${want}")
  endif()
  file(REMOVE_RECURSE "${root}")
  message(STATUS "The floor check finds every planted fault and nothing else")

else()
  message(FATAL_ERROR "Unknown CHECK '${CHECK}' (floors, umbrella or selftest)")
endif()
