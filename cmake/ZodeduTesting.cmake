# One helper to declare a GoogleTest program, natively or for Windows (run by CTest
# through Wine). Tests that show windows share one desktop and so never run in parallel.
include(GoogleTest)

option(ZODEDU_WINE_TESTS "Register the Windows test programs, which run under Wine" ON)
if(ZODEDU_WINDOWS)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(ZODEDU_GTEST_MAIN GTest::gtest_main)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gtest ALIAS gtest)
  endif()
else()
  find_package(GTest REQUIRED)
  set(ZODEDU_GTEST_MAIN GTest::gtest_main)
endif()

# zodedu_add_test(name SOURCES ... [LIBRARIES ...] [DESKTOP] [SETTINGS] [MAIN_INCLUDED]
#                 [TIMEOUT seconds] [KIND kind])
#   DESKTOP: the test shows windows or reads the screen; it gets the desktop alone, and the
#     stored settings too, which the game's windows read and write.
#   SETTINGS: the test reads and writes the stored settings without showing a window; it gets
#     them alone (by the same lock as DESKTOP, so no window test runs beside it either).
#   MAIN_INCLUDED: the sources bring their own main().
#   TIMEOUT: for each test case, instead of 120 seconds.
#   KIND: the CTest label of its cases, which `ctest -L` and `-LE` select: "unit" (the default
#     without DESKTOP), "window" (the default with it), "process" for the programs that start
#     the real game, "quality" for the faults the running game must survive, "long" for the
#     soak and monkey runs that are sized to run for minutes by hand.
# Where Wine cannot run the build's programs (ZODEDU_WINE_TESTS off), Windows test programs are
# built but not registered: CTest would have to run them to list their cases.
function(zodedu_add_test name)
  cmake_parse_arguments(arg "DESKTOP;SETTINGS;MAIN_INCLUDED" "TIMEOUT;KIND" "SOURCES;LIBRARIES"
    ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest)
  if(NOT arg_MAIN_INCLUDED)
    target_link_libraries(${name} PRIVATE ${ZODEDU_GTEST_MAIN})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  if(ZODEDU_WINDOWS AND NOT ZODEDU_WINE_TESTS)
    return()
  endif()
  if(NOT arg_KIND)
    set(arg_KIND unit)
    if(arg_DESKTOP)
      set(arg_KIND window)
    endif()
  endif()
  set(properties TIMEOUT ${arg_TIMEOUT} LABELS ${arg_KIND})
  # One lock for both: a program with the desktop has the settings alone too, and the
  # discovery passes each property one value only.
  if(arg_DESKTOP OR arg_SETTINGS)
    list(APPEND properties RESOURCE_LOCK desktop_and_settings)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
    PROPERTIES ${properties})
endfunction()

# zodedu_test_files(name DESTINATION path FILES file...)
#   Copies the files to path (a folder, or with one file its new name) at every build of the
#   test, so that it never runs on a stale copy of the game or of its files.
function(zodedu_test_files name)
  cmake_parse_arguments(arg "" "DESTINATION" "FILES" ${ARGN})
  list(LENGTH arg_FILES count)
  set(make_folder)
  if(count GREATER 1)
    set(make_folder COMMAND ${CMAKE_COMMAND} -E make_directory ${arg_DESTINATION})
  endif()
  add_custom_target(${name}_files
    ${make_folder}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${arg_FILES} ${arg_DESTINATION}
    VERBATIM)
  add_dependencies(${name} ${name}_files)
endfunction()

# zodedu_game_for_test(name): the built game with its help file and sounds in the test's
# folder "game", where the test starts it as a player would.
function(zodedu_game_for_test name)
  set(game ${ZODEDU_GAME_DIR})
  zodedu_test_files(${name} DESTINATION $<TARGET_FILE_DIR:${name}>/game
    FILES ${game}/zodedu.exe ${game}/zodedu.HLP
      ${game}/first.wav ${game}/last.wav ${game}/win.wav ${game}/lose.wav)
  add_dependencies(${name}_files zodedu)
endfunction()
