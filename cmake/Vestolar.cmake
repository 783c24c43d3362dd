# Helpers shared by every folder of the project.

set(VESTOLAR_ROOT ${CMAKE_SOURCE_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/Layering.cmake)

if(VESTOLAR_FUZZ)
  # The fuzz tree (clang): every library instrumented for libFuzzer, and any
  # undefined behaviour a finding that stops the run.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -g -O1)
  add_link_options(-fsanitize=address,undefined)
elseif(VESTOLAR_NATIVE)
  # The benchmark tree measures optimised code without the sanitizers' cost.
  if(NOT VESTOLAR_BENCH)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
else()
  # Static runtime: the program and its tests run without MinGW DLLs beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0700)
endif()
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
# Line tables only: the sanitizers' and the debugger's backtraces name every
# function and line, and a compile takes about a quarter less time than with
# full debug information (configure with -DVESTOLAR_DEBUG_INFO=-g to see
# local variables in a debugger).
set(VESTOLAR_DEBUG_INFO "-g1" CACHE STRING "Debug information of the Debug build")
set(CMAKE_C_FLAGS_DEBUG ${VESTOLAR_DEBUG_INFO})
set(CMAKE_CXX_FLAGS_DEBUG ${VESTOLAR_DEBUG_INFO})

# Precompiled headers of the win tree (cmake/pch), made once by the target
# vestolar_pch and reused by every library and test. The native tree compiles
# few enough files to do without.
if(VESTOLAR_WIN)
  add_library(vestolar_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch/Precompiled.cpp)
  target_precompile_headers(vestolar_pch PRIVATE
    "$<$<COMPILE_LANGUAGE:CXX>:${CMAKE_CURRENT_LIST_DIR}/pch/WinHeaders.h>")
endif()

# vestolar_reuse_precompiled_headers(<target>): in the win tree the target's
# C++ files start from the Windows headers precompiled by vestolar_pch.
function(vestolar_reuse_precompiled_headers name)
  if(VESTOLAR_WIN)
    target_precompile_headers(${name} REUSE_FROM vestolar_pch)
  endif()
endfunction()

# vestolar_library(<name> [PORTABLE] SOURCES ... [LIBS ...])
# A PORTABLE library builds in both trees; any other only in the win tree.
function(vestolar_library name)
  cmake_parse_arguments(ARG "PORTABLE" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_PORTABLE AND NOT VESTOLAR_WIN)
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  set_property(GLOBAL APPEND PROPERTY VESTOLAR_LIBRARIES ${name})
  target_include_directories(${name} PUBLIC ${VESTOLAR_ROOT} ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
  vestolar_reuse_precompiled_headers(${name})
endfunction()

# vestolar_test(<name> [PORTABLE] SOURCES ... [LIBS ...])
# One ctest test per executable: starting a process under Wine costs about
# half a second, so the cases of a class share one process.
function(vestolar_test name)
  cmake_parse_arguments(ARG "PORTABLE" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_PORTABLE AND NOT VESTOLAR_WIN)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest_main)
  target_include_directories(${name} PRIVATE ${VESTOLAR_ROOT} ${VESTOLAR_ROOT}/tests)
  vestolar_reuse_precompiled_headers(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ENVIRONMENT "VESTOLAR_TEST_DATA=${VESTOLAR_ROOT}/tests/data")
endfunction()

# What a window test of the program links: the program's libraries and its
# resources, the virtual desktop and the test application's support; with the
# shell fixture (`CShellWindowsTest`), which starts the program's main window.
# The resources and fixtures are objects compiled once for all tests (a
# static library would drop the resources, which nothing references).
set(VESTOLAR_PROGRAM_TEST_LIBS vestolarapp afxwin_test_app vestolar_resources test_desktop)
set(VESTOLAR_SHELL_TEST_LIBS ${VESTOLAR_PROGRAM_TEST_LIBS} shell_windows_fixture)

# vestolar_rc_depends(<script> ...): the resource compiler reports no
# included files, so a changed header of resource ids would leave the
# compiled resources stale. Name the headers a script includes by quotes
# (beside it, or below the project root) as its dependencies.
function(vestolar_rc_depends)
  foreach(script IN LISTS ARGN)
    get_filename_component(full ${script} ABSOLUTE)
    get_filename_component(dir ${full} DIRECTORY)
    file(STRINGS ${full} includes REGEX "^#include \"[^\"]+\"")
    set(depends "")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
      if(EXISTS ${dir}/${header})
        list(APPEND depends ${dir}/${header})
      elseif(EXISTS ${VESTOLAR_ROOT}/${header})
        list(APPEND depends ${VESTOLAR_ROOT}/${header})
      endif()
    endforeach()
    set_property(SOURCE ${full} APPEND PROPERTY OBJECT_DEPENDS ${depends})
  endforeach()
endfunction()
