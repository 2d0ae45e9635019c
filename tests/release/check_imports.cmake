# Checks that the shipped game loads on the oldest Windows of its kind: it imports from the
# system's own DLLs alone, every function it imports has a row in the imports table marked for
# that system (for the 32-bit game: Windows 95, NT 4.0 and Win32s), and its PE header asks for
# no newer system and keeps its relocations.
#   cmake -DEXE=<zodedu.exe> -DOBJDUMP=<objdump> -DTABLE=<windows-imports.txt>
#         -DSYSTEM=<win95-nt4|xp-x64> -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)

if(SYSTEM STREQUAL "win95-nt4")
  set(needed_columns "95;NT4;W32s|stub")
  set(system_version "4.0")
elseif(SYSTEM STREQUAL "xp-x64")
  set(needed_columns "X64")
  set(system_version "5.2")
else()
  message(FATAL_ERROR "SYSTEM must be win95-nt4 or xp-x64, not '${SYSTEM}'")
endif()

# The DLLs a game may import from at load time; the others it loads itself when it needs them.
set(system_dlls kernel32.dll user32.dll gdi32.dll advapi32.dll)

# The table: "DLL FUNCTION W95 NT4 W32S X64 SOURCE...", comments after '#'. A needed column is
# a pattern one of the row's columns must match whole.
file(STRINGS "${TABLE}" rows REGEX "^[^#]")
set(allowed)
foreach(row IN LISTS rows)
  if(NOT row MATCHES "^([^ \t]+)[ \t]+([^ \t]+)[ \t]+([^ \t]+)[ \t]+([^ \t]+)[ \t]+([^ \t]+)[ \t]+([^ \t]+)[ \t]+[^ \t]")
    message(FATAL_ERROR "imports table: a row without its six columns and a source: ${row}")
  endif()
  string(TOLOWER "${CMAKE_MATCH_1}" dll)
  set(function "${CMAKE_MATCH_2}")
  set(columns "${CMAKE_MATCH_3};${CMAKE_MATCH_4};${CMAKE_MATCH_5};${CMAKE_MATCH_6}")
  set(present TRUE)
  foreach(column IN LISTS needed_columns)
    set(matching ${columns})
    list(FILTER matching INCLUDE REGEX "^(${column})$")
    if(NOT matching)
      set(present FALSE)
    endif()
  endforeach()
  if(present)
    list(APPEND allowed "${dll}:${function}")
  endif()
endforeach()

execute_process(COMMAND ${OBJDUMP} -h -p "${EXE}" OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump cannot read ${EXE}")
endif()

set(missing)
set(count 0)
string(REPLACE "\n" ";" lines "${headers}")
foreach(line IN LISTS lines)
  if(line MATCHES "DLL Name: (.+)$")
    string(TOLOWER "${CMAKE_MATCH_1}" dll)
  elseif(line MATCHES "^\t[0-9a-f]+\t +[0-9]+ +([A-Za-z_][A-Za-z0-9_@]*)$")
    math(EXPR count "${count} + 1")
    if(NOT dll IN_LIST system_dlls)
      list(APPEND missing "${dll} ${CMAKE_MATCH_1} (not a DLL of the system's own)")
    elseif(NOT "${dll}:${CMAKE_MATCH_1}" IN_LIST allowed)
      list(APPEND missing "${dll} ${CMAKE_MATCH_1}")
    endif()
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "no imports found in ${EXE}")
endif()
if(missing)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "imports not in ${TABLE} for ${SYSTEM}:\n  ${missing}")
endif()

foreach(kind Subsystem OSystem)
  if(NOT headers MATCHES "Major${kind}Version\t+([0-9]+)\n[^\n]*Minor${kind}Version\t+([0-9]+)")
    message(FATAL_ERROR "no ${kind} version in the PE header")
  endif()
  set(version "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")
  # The 32-bit game says 4.0 exactly: older numbers would give it the look of Windows 3.1.
  if(version VERSION_GREATER system_version OR
     (SYSTEM STREQUAL "win95-nt4" AND NOT version VERSION_EQUAL system_version))
    message(FATAL_ERROR "the PE header's ${kind} version is ${version}, not ${system_version}")
  endif()
endforeach()
if(headers MATCHES "relocations stripped" OR NOT headers MATCHES "\n +[0-9]+ \\.reloc ")
  message(FATAL_ERROR "the relocations are not kept")
endif()
message(STATUS "${count} imports, all in the table for ${SYSTEM}")
