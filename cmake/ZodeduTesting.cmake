# One helper to declare a GoogleTest program, natively or for Windows (run by CTest
# through Wine). Tests that show windows share one desktop and so never run in parallel.
include(GoogleTest)

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

# zodedu_add_test(name SOURCES ... [LIBRARIES ...] [DESKTOP] [MAIN_INCLUDED] [TIMEOUT seconds])
#   DESKTOP: the test shows windows or reads the screen; it gets the desktop alone.
#   MAIN_INCLUDED: the sources bring their own main().
#   TIMEOUT: for each test case, instead of 120 seconds.
function(zodedu_add_test name)
  cmake_parse_arguments(arg "DESKTOP;MAIN_INCLUDED" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest)
  if(NOT arg_MAIN_INCLUDED)
    target_link_libraries(${name} PRIVATE ${ZODEDU_GTEST_MAIN})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  set(properties TIMEOUT ${arg_TIMEOUT})
  if(arg_DESKTOP)
    list(APPEND properties RESOURCE_LOCK desktop)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
    PROPERTIES ${properties})
endfunction()
