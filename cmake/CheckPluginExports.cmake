# Checks a built plug-in from the outside, as the loading host sees it:
# it must export exactly the seven entry points, by their plain names, and a
# Windows DLL must import nothing but Windows system DLLs.
#
#   cmake -DPLUGIN=<file> -DKIND=<dll|so> -DTOOL=<objdump|nm> -P CheckPluginExports.cmake
#
# KIND dll: TOOL is the mingw objdump ("objdump -p" lists exports and imports).
# KIND so:  TOOL is nm ("nm -D --defined-only" lists the defined dynamic symbols).

cmake_minimum_required(VERSION 3.25)

set(expected GetCuttingInfo GetCuttingList GetParameter InitDiamond InitVertex IsCorrect SetParameter)
list(SORT expected)

# DLLs a plug-in may import: those of every Windows installation.
set(system_dlls kernel32.dll msvcrt.dll user32.dll advapi32.dll ntdll.dll ucrtbase.dll)

foreach(var PLUGIN KIND TOOL)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckPluginExports: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS "${PLUGIN}")
  message(FATAL_ERROR "plug-in not found: ${PLUGIN}")
endif()

function(run_tool out)
  execute_process(COMMAND "${TOOL}" ${ARGN} "${PLUGIN}"
    OUTPUT_VARIABLE text ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${TOOL} ${ARGN} failed (${rc}): ${err}")
  endif()
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

set(exports "")
set(bad_imports "")
if(KIND STREQUAL "dll")
  run_tool(lines -p)
  # Export names follow the "[Ordinal/Name Pointer] Table" heading, one per
  # line as "[   n] Name", up to the first blank line.
  set(in_names FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
      set(in_names TRUE)
    elseif(in_names)
      if(line MATCHES "^[ \t]*\\[ *[0-9]+\\] +(.+)$")
        list(APPEND exports "${CMAKE_MATCH_1}")
      else()
        set(in_names FALSE)
      endif()
    endif()
    if(line MATCHES "^[ \t]*DLL Name: +(.+)$")
      string(TOLOWER "${CMAKE_MATCH_1}" dll)
      string(STRIP "${dll}" dll)
      if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
        list(APPEND bad_imports "${dll}")
      endif()
    endif()
  endforeach()
elseif(KIND STREQUAL "so")
  run_tool(lines -D --defined-only)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] +([^ ]+)$")
      list(APPEND exports "${CMAKE_MATCH_1}")
    endif()
  endforeach()
else()
  message(FATAL_ERROR "CheckPluginExports: KIND must be dll or so, not '${KIND}'")
endif()

list(SORT exports)
list(REMOVE_DUPLICATES bad_imports)
get_filename_component(name "${PLUGIN}" NAME)
set(failed FALSE)
if(NOT exports STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${exports})
  set(extra ${exports})
  list(REMOVE_ITEM extra ${expected})
  message(SEND_ERROR "${name}: exported names differ from the seven entry points\n"
    "  missing: ${missing}\n  unexpected: ${extra}")
  set(failed TRUE)
endif()
if(bad_imports)
  message(SEND_ERROR "${name}: imports DLLs that are not Windows system DLLs: ${bad_imports}")
  set(failed TRUE)
endif()
if(NOT failed)
  list(JOIN exports ", " shown)
  message(STATUS "${name} exports exactly: ${shown}")
endif()
