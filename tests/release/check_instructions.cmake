# Checks that the shipped 32-bit game runs on an 80386 without a maths coprocessor: no
# instruction of its code belongs to a later processor. Each one found is named with its address.
#   cmake -DEXE=<zodedu.exe> -DOBJDUMP=<objdump> -P check_instructions.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn "${EXE}"
  OUTPUT_VARIABLE code RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT code MATCHES "\n +[0-9a-f]+:\t(push|mov)")
  message(FATAL_ERROR "objdump cannot disassemble ${EXE}")
endif()

# Conditional moves (P6), every x87 instruction (there may be no coprocessor), the 486's BSWAP,
# CMPXCHG and XADD, the Pentium's CMPXCHG8B and RDTSC, CPUID, and the P6's multi-byte NOP and
# ENDBR; also after a prefix such as lock. objdump names each "mnemonic operands" after a tab.
set(newer "cmov[a-z]+|f[a-z0-9]+|bswap|cmpxchg[a-z0-9]*|xadd[bwl]?|rdtscp?|cpuid|nop[wl]|endbr32")
string(REGEX MATCHALL "\n +[0-9a-f]+:\t([a-z0-9]+ )*(${newer})( [^\n]*)?" found "${code}")
# MMX and SSE registers, whatever the instruction.
string(REGEX MATCHALL "\n +[0-9a-f]+:\t[^\n]*%[xyz]?mm[0-9][^\n]*" registers "${code}")
list(APPEND found ${registers})
# A segment prefix standing alone is shown as its register's name, "fs": not x87.
list(FILTER found EXCLUDE REGEX "^\n +[0-9a-f]+:\tfs *$")
if(found)
  list(REMOVE_DUPLICATES found)
  list(LENGTH found count)
  string(REPLACE "\n" "" found "${found}")
  string(REPLACE ";" "\n" found "${found}")
  message(FATAL_ERROR "${count} instructions an 80386 cannot run in ${EXE}:\n${found}")
endif()
message(STATUS "every instruction runs on an 80386")
