# Cross-compiling for Windows with MinGW-w64. The including toolchain file sets
# CMAKE_SYSTEM_PROCESSOR first. ZODEDU_THREAD_MODEL picks the compilers: posix (the default)
# for the tests, whose GoogleTest needs std::mutex; win32 for the shipped game, which links
# none of the toolchain's runtime libraries (src/runtime) and whose headers then want no threads.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT ZODEDU_THREAD_MODEL)
  set(ZODEDU_THREAD_MODEL posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZODEDU_THREAD_MODEL)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-${ZODEDU_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${triplet}-g++-${ZODEDU_THREAD_MODEL})
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run through Wine, in the prefix and on the display that the test script sets up.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
