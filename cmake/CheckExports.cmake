# Checks what the built library exports, as a test run with `cmake -P`:
#   - every exported class, explicit template instantiation and free function that the
#     public headers mark with ORV_TESS_VARNAK_API has symbols in the export table;
#   - nothing internal is exported: no symbol of the detail namespace or of an anonymous
#     namespace, and nothing outside namespace Orv::Tess::Varnak, not even the standard
#     library's template instantiations a compiler exports from an ELF library on its own
#     (src/frame/Exports.map keeps them out).
# The build passes LIBRARY (the .so or .dll), WINDOWS, OBJDUMP (for a DLL's export table),
# NM (for an ELF library's dynamic symbols), CXXFILT and INCLUDE_DIR (the public headers).
cmake_minimum_required(VERSION 3.20)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# The exported (mangled) symbol names.
if(WINDOWS)
  execute_process(COMMAND "${OBJDUMP}" -p "${LIBRARY}" RESULT_VARIABLE rc OUTPUT_VARIABLE dump
    ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    fail("${OBJDUMP} -p failed: ${err}")
  endif()
  # The name pointer table: one "\t[   3] name" line per export, ending at a blank line.
  if(NOT dump MATCHES "\\[Ordinal/Name Pointer\\] Table[^\n]*\n(([ \t]+\\[[^\n]*\n)*)")
    fail("No export table in ${LIBRARY}")
  endif()
  # Drop the "[   3]" columns first: brackets would group CMake list elements.
  string(REGEX REPLACE "[ \t]*\\[[ 0-9]*\\][ \t]*" "" names "${CMAKE_MATCH_1}")
  string(REGEX MATCHALL "[^\n]+" mangled "${names}")
else()
  execute_process(COMMAND "${NM}" -D --defined-only "${LIBRARY}" RESULT_VARIABLE rc
    OUTPUT_VARIABLE dump ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    fail("${NM} -D failed: ${err}")
  endif()
  string(REGEX MATCHALL "[^ \t\n]+\n" mangled "${dump}")
  list(TRANSFORM mangled STRIP)
endif()
if(NOT mangled)
  fail("${LIBRARY} exports nothing")
endif()

# Demangle them, one per line, in the same order.
string(JOIN "\n" mangled_text ${mangled})
execute_process(COMMAND "${CXXFILT}" INPUT_FILE /dev/null OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("${CXXFILT} does not run")
endif()
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/exports-mangled.txt" "${mangled_text}\n")
execute_process(COMMAND "${CXXFILT}" INPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/exports-mangled.txt"
  OUTPUT_VARIABLE demangled_text)
file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/exports-mangled.txt")
string(REPLACE ";" "\\;" demangled_text "${demangled_text}")
string(REGEX REPLACE "\n$" "" demangled_text "${demangled_text}")
string(REPLACE "\n" ";" demangled "${demangled_text}")
list(LENGTH mangled count)
list(LENGTH demangled demangled_count)
if(NOT count EQUAL demangled_count)
  fail("Demangling gave ${demangled_count} names for ${count} symbols")
endif()

# Nothing internal, nothing foreign.
# Mangled prefixes: special names (vtable, VTT, typeinfo and its name, construction
# vtable, guard variable, thread-local wrappers, the thunks of virtual and multiple
# inheritance), then an optional local-entity mark, then the nested name.
set(special "(T[VTISCHW]|GV|Th(n?[0-9]+_)|Tv(n?[0-9]+_)(n?[0-9]+_)|Tc([hv](n?[0-9]+_)+)([hv](n?[0-9]+_)+))?Z?")
set(ours "^_Z${special}N[VKRO]*3Orv4Tess6Varnak")
set(faults "")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  list(GET mangled ${i} symbol)
  list(GET demangled ${i} name)
  if(name MATCHES "::detail::|anonymous namespace")
    list(APPEND faults "internal: ${name}")
  elseif(symbol MATCHES "${ours}")
    continue()
  else()
    list(APPEND faults "not the library's: ${name} (${symbol})")
  endif()
endforeach()

# Everything the public headers promise.
string(JOIN "\n" exported ${demangled})
file(GLOB_RECURSE headers "${INCLUDE_DIR}/*.h")
list(SORT headers)
set(wanted_patterns "")
set(wanted_names "")
foreach(header IN LISTS headers)
  file(READ "${header}" text)
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")        # comments
  string(REGEX REPLACE "(^|\n)[ \t]*#[^\n]*" "\\1" text "${text}")  # preprocessor lines
  string(REPLACE ";" "," text "${text}")  # semicolons would split CMake lists
  get_filename_component(header_name "${header}" NAME)

  string(REGEX MATCHALL "class[ \t\n]+ORV_TESS_VARNAK_API[ \t\n]+[A-Za-z_0-9]+[ \t\n]*<[^,>]*(<[^,>]*>)?[^,>]*>"
    instantiations "${text}")
  foreach(item IN LISTS instantiations)
    string(REGEX REPLACE "^class[ \t\n]+ORV_TESS_VARNAK_API[ \t\n]+" "" item "${item}")
    string(REGEX REPLACE "[ \t\n]+" "" item "${item}")
    # StdX<IY> is exported as Orv::Tess::Varnak::StdX<Orv::Tess::Varnak::IY>.
    string(REGEX REPLACE "([<,])([A-Za-z_])" "\\1Orv::Tess::Varnak::\\2" item "${item}")
    list(APPEND wanted_patterns "Orv::Tess::Varnak::${item}::")
    list(APPEND wanted_names "template instantiation ${item} (${header_name})")
  endforeach()
  string(REGEX REPLACE "extern[ \t\n]+template[ \t\n]+class[ \t\n]+ORV_TESS_VARNAK_API[^,]*," ""
    text "${text}")

  string(REGEX MATCHALL "(class|struct)[ \t\n]+ORV_TESS_VARNAK_API[ \t\n]+[A-Za-z_0-9]+" classes
    "${text}")
  foreach(item IN LISTS classes)
    string(REGEX REPLACE ".*[ \t\n]" "" item "${item}")
    list(APPEND wanted_patterns "Orv::Tess::Varnak::${item}(::|[ \n]|$)")
    list(APPEND wanted_names "class ${item} (${header_name})")
  endforeach()

  string(REGEX MATCHALL "\nORV_TESS_VARNAK_API[^,{(]*[^A-Za-z_0-9:][A-Za-z_][A-Za-z_0-9]*[ \t\n]*\\("
    functions "\n${text}")
  foreach(item IN LISTS functions)
    string(REGEX REPLACE "^.*[^A-Za-z_0-9]([A-Za-z_][A-Za-z_0-9]*)[ \t\n]*\\($" "\\1" item "${item}")
    list(APPEND wanted_patterns "Orv::Tess::Varnak::${item}\\(")
    list(APPEND wanted_names "function ${item} (${header_name})")
  endforeach()
endforeach()

set(wanted_count 0)
foreach(pattern IN LISTS wanted_patterns)
  list(GET wanted_names ${wanted_count} what)
  math(EXPR wanted_count "${wanted_count} + 1")
  if(NOT exported MATCHES "${pattern}")
    list(APPEND faults "missing: ${what}")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  fail("The export table of ${LIBRARY} is wrong:\n  ${text}")
endif()
message(STATUS "${count} exported symbols; all ${wanted_count} exported classes, instantiations "
  "and functions of the public headers present; nothing internal")
